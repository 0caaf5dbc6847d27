#include "app/projectprogress.h"

#include <QCoreApplication>

namespace qv::gui {

ProjectProgress::ProjectProgress(QWidget* parent) : QProgressBar(parent)
{
    setAccessibleName(QStringLiteral("Progress"));
    setTextVisible(true);
    setMaximumWidth(220);
    end();
}

void ProjectProgress::begin(const QString& caption)
{
    setRange(0, 0); // busy: the reader and the writer do not report their steps
    setFormat(caption);
    setAccessibleDescription(caption);
    setVisible(true);
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ProjectProgress::end()
{
    setRange(0, 1);
    setValue(0);
    setFormat(QString());
    setAccessibleDescription(QString());
    setVisible(false);
}

} // namespace qv::gui

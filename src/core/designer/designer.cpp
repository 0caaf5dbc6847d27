#include "designer/designer.h"

#include "document/languagetable.h"

namespace qv {

Designer::Designer(ProjectDocument& document, const LanguageTable* language)
    : doc_(document), language_(language)
{
}

std::string Designer::languageText(int n) const
{
    return language_ ? language_->text(n) : std::string();
}

Outcome Designer::message(int n) const
{
    return Outcome{false, n, languageText(n)};
}

void Designer::keep(std::unique_ptr<DocumentEdit> edit, const std::string& name,
                    const std::string& mergeKey)
{
    edit->finish();
    if (edit->changedDocument()) {
        if (tracking_)
            edit->summarise(changes_);
        undo_.push(std::move(edit), name, mergeKey);
    }
}

} // namespace qv

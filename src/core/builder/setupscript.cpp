#include "builder/setupscript.h"

#include "builder/appdatabuilder.h"
#include "builder/setupvalues.h"
#include "document/utf8.h"

namespace qv {

void ApplySetupDefaults(SetupInputs& inputs)
{
    if (utf8Length(inputs.productName) < 3)
        inputs.productName = inputs.appName;
    if (LeadingNumber(inputs.version) == 0)
        inputs.version = "1";
}

SetupScript MakeSetupScript(const SetupInputs& in)
{
    const std::string q = "\"";
    SetupScript script;
    auto& lines = script.lines;
    lines.push_back("[Setup]");
    lines.push_back("AppName=" + (in.productName.empty() ? in.appName : in.productName));
    if (!in.version.empty())
        lines.push_back("AppVersion=" + in.version);
    if (!in.publisher.empty())
        lines.push_back("AppPublisher=" + in.publisher);
    if (!in.copyright.empty())
        lines.push_back("AppCopyright=" + in.copyright);
    if (!in.webAddress.empty()) {
        lines.push_back("AppPublisherURL=http://" + in.webAddress + "/");
        lines.push_back("AppSupportURL=http://" + in.webAddress + "/");
        lines.push_back("AppUpdatesURL=http://" + in.webAddress + "/");
    }
    lines.push_back("DefaultDirName={pf}\\" + in.appName);
    lines.push_back("DefaultGroupName=" + in.productName);
    lines.push_back("UninstallDisplayIcon={app}\\" + in.appName + ".exe");
    if (utf8Length(in.licenceText) > kSetupTextMinimum) {
        lines.push_back(std::string("LicenseFile=") + kLicenceFileName);
        script.writesLicence = true;
    }
    if (utf8Length(in.readmeText) > kSetupTextMinimum) {
        lines.push_back(std::string("InfoBeforeFile=") + kReadmeFileName);
        script.writesReadme = true;
    }
    lines.push_back("OutputBaseFilename=" + in.appName + "_Setup");
    if (!in.password.empty())
        lines.push_back("Password=" + in.password);
    lines.push_back("Compression=lzma2");
    lines.push_back("SolidCompression=yes");
    lines.push_back("OutputDir=" + in.outputFolder.string());
    lines.push_back("");
    lines.push_back("[Files]");
    const std::string toApp = "; DestDir: " + q + "{app}" + q;
    lines.push_back("Source: " + QuotedSetupParameter(in.appName + ".exe") + toApp);
    for (const std::string& picture : in.pictureFiles)
        lines.push_back("Source: " + QuotedSetupParameter(picture) + toApp);
    lines.push_back(
        "Source: " + QuotedSetupParameter((in.programFolder / "Pagewright.ocx").string()) +
        "; DestDir: " + q + "{sys}" + q + "; Flags: restartreplace sharedfile regserver");
    lines.push_back("");
    lines.push_back("[Icons]");
    lines.push_back("Name: " + QuotedSetupParameter("{group}\\" + in.appName) +
                    "; Filename: " + QuotedSetupParameter("{app}\\" + in.appName + ".exe"));
    if (in.desktopIcon) {
        lines.push_back("");
        lines.push_back("[Tasks]");
        lines.push_back("Name: " + q + "desktopicon" + q + "; Description: " + q +
                        "{cm:CreateDesktopIcon}" + q + "; GroupDescription: " + q +
                        "{cm:AdditionalIcons}" + q);
    }
    return script;
}

std::string SetupScriptText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace qv

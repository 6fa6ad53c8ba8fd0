#include "CommandLine.h"

#include "RecoveryStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// The sections Qt's help has no place for, in its layout: a heading, then
// items whose name is set off from what they say by two spaces. The paths
// are the ones this program uses, so they follow XDG_CONFIG_HOME and the
// others as the program does.
QString helpSections()
{
    return QCoreApplication::translate(
               "CommandLine",
               "\nExit status:\n"
               "  0  Cheqbook was quit, or the files were handed to the Cheqbook already running.\n"
               "  1  The command line is wrong.\n"
               "Ended by SIGTERM, SIGHUP or SIGINT, Cheqbook first copies unsaved work to the recovery folder,\n"
               "then ends by that signal.\n"
               "\nFiles:\n"
               "  %1\n"
               "      The preferences, the recent registers and where each window was.\n"
               "  %2/\n"
               "      Unsaved work, copied a few seconds after each change and offered back at the next start.\n"
               "  NAME.ldgr~\n"
               "      The register as it was before its last save.\n"
               "  .NAME.ldgr.lock\n"
               "      Beside a register while a Cheqbook has it open.\n"
               "\nEnvironment:\n"
               "  XDG_CONFIG_HOME, XDG_DATA_HOME\n"
               "      The folders of the files above, instead of ~/.config and ~/.local/share.\n"
               "  DISPLAY, WAYLAND_DISPLAY, XDG_RUNTIME_DIR\n"
               "      One Cheqbook runs for each user and display; it listens for the registers opened later\n"
               "      in a socket in XDG_RUNTIME_DIR.\n"
               "  TZ  The time zone of today's date, which new transactions are given.\n")
        .arg(QSettings().fileName(), RecoveryStore::defaultFolder());
}

} // namespace

bool asksForHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            return false;
        for (const char *option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    }
    return false;
}

QStringList readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "A checkbook register for the desktop. Each register file (.ldgr) opens in a window of its own;\n"
        "with none, Cheqbook opens the registers that were open when it last quit (when Preferences\n"
        "says so) or a new register."));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QCoreApplication::translate("CommandLine", "FILE..."),
        QCoreApplication::translate("CommandLine",
                                    "Register files to open; given while Cheqbook is running, they open in it."),
        QCoreApplication::translate("CommandLine", "[FILE...]"));
    if (parser.parse(app.arguments()) && parser.isSet(help)) {
        const QByteArray text = (parser.helpText() + helpSections()).toUtf8();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        std::exit(std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE);
    }
    // --help-all, --version and a wrong command line, as Qt answers them.
    parser.process(app);

    // Paths are passed on whole: the running Cheqbook works in another folder.
    QStringList files;
    for (const QString &file : parser.positionalArguments())
        files << QFileInfo(file).absoluteFilePath();
    return files;
}

// Corvanthelix - from start-up to shut-down.
#include "app/startup.h"

#include "app/app.h"
#include "app/menubar1.h"
#include "platform/pictures.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void NewAppInstance(App &app)
{
    app.setMenuBar(MenuBar1::instance());
}

void ApplicationAddMenuHandlers()
{
    App *app = App::instance();
    app->addMenuHandler(QStringLiteral("AboutCorvanthelix"), app, &App::AboutCorvanthelix_Action);
}

void MakeDefaultView()
{
    Window1::instance();
}

} // namespace

void StartUp(App &app)
{
    NewAppInstance(app);
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

int Main(App &app)
{
    StartUp(app);
    const int status = app.exec();

    // Pictures first: nothing paints once the event loop has returned.
    ReleasePictures();
    Window2::releaseInstance();
    Window1::releaseInstance();
    MenuBar1::releaseInstance();
    return status;
}

namespace {

void describeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Swap tiles with hidden numbers until the sums match."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// The messages Qt gives while it opens the display, held back until it is
// known whether they end in an abort.
struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> held;

// What Qt said before it gave up tells a plugin it could not find from a
// display it could not reach.
QString displayFailure()
{
    static const QRegularExpression missing(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\""));
    for (const HeldMessage &message : std::as_const(held))
        if (const QRegularExpressionMatch match = missing.match(message.text); match.hasMatch())
            return QStringLiteral("Corvanthelix could not find Qt's display plugin \"%1\": install it (on Debian: "
                                  "qt6-qpa-plugins, or qt6-wayland for Wayland), or unset QT_QPA_PLATFORM.")
                .arg(match.captured(1));
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("Corvanthelix needs a graphical display, and none is set: start it from a desktop "
                              "session, or set DISPLAY or WAYLAND_DISPLAY.");
    return QStringLiteral("Corvanthelix could not open a window on the display \"%1\": start it from a desktop "
                          "session, or set DISPLAY to a running X server.")
        .arg(display.isEmpty() ? qEnvironmentVariable("WAYLAND_DISPLAY") : display);
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qPrintable(displayFailure()));
        std::_Exit(EXIT_FAILURE);
    }
    held.append({type, context.category, text});
}

} // namespace

void LoadTranslations(QCoreApplication &app)
{
    // The first of the player's languages that the game speaks, and Qt's own
    // texts in it; English is the game's own and needs only its plural forms.
    for (const QString &name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            auto *plurals = new QTranslator(&app);
            if (plurals->load(QStringLiteral(":/i18n/corvanthelix_en.qm")))
                app.installTranslator(plurals);
            return;
        }
        auto *own = new QTranslator(&app);
        if (!own->load(language, QStringLiteral("corvanthelix"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        app.installTranslator(own);
        auto *qt = new QTranslator(&app);
        if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            app.installTranslator(qt);
        return;
    }
}

bool AsksForHelpOrVersion(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-?", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

int AnswerHelpOrVersion(int argc, char **argv)
{
    QCoreApplication core(argc, argv);
    LoadTranslations(core);
    QCommandLineParser parser;
    describeOptions(parser);
    if (parser.parse(core.arguments()))
        parser.process(core); // the only way to --help-all
    // Without a display, Qt's own options count as unknown: the answer is given all the same.
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp();
}

std::unique_ptr<App> OpenApplication(int &argc, char **argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<App>(argc, argv);
    qInstallMessageHandler(previous);
    LoadTranslations(*app);
    for (const HeldMessage &message : std::exchange(held, {}))
        qt_message_output(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.constData()),
                          message.text);
    return app;
}

void ProcessCommandLine(App &app)
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);
}

// Corvanthelix - from start-up to shut-down.
#include "app/startup.h"

#include "app/app.h"
#include "app/menubar1.h"
#include "platform/pictures.h"
#include "windows/window1.h"
#include "windows/window2.h"

#include <QCommandLineParser>
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
    app->addMenuHandler(QStringLiteral("AboutCorvanthelix"), [app] { return app->AboutCorvanthelix_Action(); });
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
    parser.setApplicationDescription(QStringLiteral("Swap tiles with hidden numbers until the sums match."));
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

QString displayFailure()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString display = qEnvironmentVariable("DISPLAY");
    if (!platform.isEmpty())
        return QStringLiteral("Corvanthelix could not start Qt's \"%1\" display plugin: unset QT_QPA_PLATFORM, or "
                              "install the plugin (on Debian: qt6-qpa-plugins, or qt6-wayland for Wayland).")
            .arg(platform);
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

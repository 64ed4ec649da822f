#include "PlannerApplication.h"
#include "Settings.h"
#include "Updates.h"
#include "VARN_Planner_Interface.h"

#include <QLibraryInfo>
#include <QSettings>
#include <QSplashScreen>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// A first start on a system whose locale is fr_FR, as the program's main runs it, with a temporary
// home folder: the test translation varn_planner_FR beside this program stands for the French one.
class TestStartUpLocale : public QObject {
    Q_OBJECT

private slots:
    void firstStartTakesTheLocalesLanguage();
    void cleanup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The File menu's title when the main window was first shown.
    QString titleWhenShown;
};

bool TestStartUpLocale::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched == mainWindow && titleWhenShown.isNull())
        titleWhenShown = mainWindow->menuFile->title();
    return false;
}

void TestStartUpLocale::firstStartTakesTheLocalesLanguage()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("HOME", home.path().toLocal8Bit());

    qApp->installEventFilter(this);
    static_cast<PlannerApplication*>(qApp)->startUp();
    qApp->removeEventFilter(this);

    QCOMPARE(Settings::language, QString("FR"));
    // The program's file was found before the window and the splash were first drawn.
    QCOMPARE(titleWhenShown, QString("[FR] &File"));
    QVERIFY2(mainWindow->splash->message().startsWith("<font size='+3'><i>VARN Planner</i></font>")
                 && mainWindow->splash->message().contains("<br>[FR] <i>VARN Planner</i> software purposes is:"),
             qPrintable(mainWindow->splash->message()));

    // A new dialog shows the language; Qt's own file comes from the system, in lower case.
    Settings dialog(mainWindow);
    QCOMPARE(dialog.languageMenu->currentText(), QString("Français"));
    QCOMPARE(dialog.label->text(), QString("[FR] Language:"));
    QTranslator system;
    if (system.load("qt_fr", QLibraryInfo::location(QLibraryInfo::TranslationsPath))) {
        const QString cancel = system.translate("QPlatformTheme", "Cancel");
        QVERIFY(!cancel.isEmpty() && cancel != "Cancel");
        QCOMPARE(dialog.buttonBox->button(QDialogButtonBox::Cancel)->text(), cancel);
    } else {
        qWarning("Qt's own translations are not installed (qttranslations5-l10n): not checked");
    }

    // OK stores the language, which nothing had stored before.
    QVERIFY(!settings->contains("Interface/lang"));
    dialog.accept();
    settings->sync();
    QCOMPARE(QSettings(settings->fileName(), QSettings::IniFormat).value("Interface/lang").toString(), QString("FR"));

    mainWindow->close();
    static_cast<PlannerApplication*>(qApp)->shutDown();
}

// The program never deletes its window and splash; the test does, once its dialog has gone.
void TestStartUpLocale::cleanup()
{
    if (mainWindow)
        delete mainWindow->splash;
    delete mainWindow;
    mainWindow = nullptr;
}

int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "fr_FR.UTF-8");
    PlannerApplication app(argc, argv);
    // The start-up's version check stays on this machine: a closed port answers at once.
    Updates::setDefaultServers(QUrl("http://127.0.0.1:1"), QUrl("http://127.0.0.1:1"));
    TestStartUpLocale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startuplocale.moc"

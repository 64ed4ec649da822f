#ifndef SCRIPTEDWINDOW_H
#define SCRIPTEDWINDOW_H

#include "CF_Editor_Interface.h"
#include "SerialPort.h"
#include "Settings.h"
#include "VARN_Planner_Interface.h"
#include "plotwindows.h"

#include <QSplashScreen>
#include <QStringList>
#include <QTextBrowser>
#include <functional>

// The main window with its modal dialogs answered by the test: each file dialog takes the next
// prepared answer (none left: the user cancels) and records how it was asked; the editor and the
// settings dialog run the prepared function in place of their event loops (none: the user
// cancels); message boxes are recorded, not shown.
class ScriptedWindow : public VARN_Planner_Interface {
public:
    struct Question {
        QString caption;
        QString folder;
        QString filter;
    };

    QStringList openAnswers;
    QStringList saveAnswers;
    QList<Question> questions;
    std::function<int(CF_Editor_Interface*)> editor;
    int editorRuns = 0;
    std::function<int(Settings*)> settingsDialog;
    int settingsRuns = 0;

    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        // Whether a transfer with the dive computer was running when it came up.
        bool duringTransfer;
    };
    QList<Message> messages;

    // The program never deletes its window and keeps these and the plot windows for its whole
    // run; a test's window takes them along.
    ~ScriptedWindow() override
    {
        delete helpBrowser;
        delete splash;
        delete cfEditor;
        deletePlotWindows();
    }

protected:
    QString askOpenFileName(const QString& caption, const QString& folder, const QString& filter) override
    {
        questions.append({caption, folder, filter});
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }

    QString askSaveFileName(const QString& caption, const QString& folder, const QString& filter) override
    {
        questions.append({caption, folder, filter});
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }

    int runEditor(CF_Editor_Interface* dialog) override
    {
        ++editorRuns;
        return editor ? editor(dialog) : int(QDialog::Rejected);
    }

    int runSettings(Settings* dialog) override
    {
        ++settingsRuns;
        if (settingsDialog)
            return settingsDialog(dialog);
        dialog->reject();
        return dialog->result();
    }

    void showMessage(QMessageBox::Icon icon, const QString& title, const QString& text) override
    {
        messages.append({icon, title, text, SerialPort::ExclusiveOperation::running()});
    }
};

#endif

#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

// Every message box, question, input box and file, folder or font dialog of the program goes
// through a Prompter, so the words are in one place per call and tests can answer them.
// An empty title means the application's own title, "Billcraft".
class Prompter {
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        Answer defaultAnswer = Answer::Ok;
        // Words for the Yes, No and Cancel buttons, in that order, where the choice is not a
        // yes or a no ("Try Again", "Use Data Folder", "Quit"); empty keeps the usual words.
        QStringList buttonTexts = {};
    };

    struct FileRequest {
        QString title;
        QString folder;   // where the dialog starts
        QString fileName; // suggested name (save dialogs)
        QStringList filters;
    };

    // What a save dialog whose filter chooses what is written gives back.
    struct SavedFile {
        QString path;
        QString filter; // the one of the request's filters chosen
    };

    virtual ~Prompter() = default;

    virtual Answer ask(const Message& message) = 0;
    // nullopt when the user cancels; the text may be empty when OK was pressed on an empty box.
    virtual std::optional<QString> input(const QString& prompt, const QString& title,
                                         const QString& defaultText = {}) = 0;
    virtual std::optional<QString> openFileName(const FileRequest& request) = 0;
    virtual std::optional<QString> saveFileName(const FileRequest& request) = 0;
    // A save dialog that starts on `filter`, one of the request's filters.
    virtual std::optional<SavedFile> saveFileAs(const FileRequest& request,
                                                const QString& filter) = 0;
    virtual std::optional<QString> folder(const QString& title, const QString& start) = 0;
    virtual std::optional<QFont> font(const QFont& initial, const QString& title) = 0;

    // An OK-only message box.
    void inform(const QString& text, const QString& title = {}, Icon icon = Icon::None)
    {
        ask({text, title, Buttons::Ok, icon, Answer::Ok});
    }
    // A Yes/No question with No as the default button; true for Yes.
    bool confirm(const QString& text, const QString& title = {}, Icon icon = Icon::Question)
    {
        return ask({text, title, Buttons::YesNo, icon, Answer::No}) == Answer::Yes;
    }
};

inline const QString kApplicationTitle = QStringLiteral("Billcraft");

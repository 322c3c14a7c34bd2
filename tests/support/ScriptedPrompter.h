#pragma once

#include "core/Prompter.h"

#include <QList>
#include <functional>
#include <optional>
#include <variant>

// A prompter for tests: given the prompts a test expects, in order, with their answers. A prompt
// that is not next in the script fails the current test at once and is answered with Cancel/No;
// expected prompts left over are reported by verifyDone().
class ScriptedPrompter final : public Prompter {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Folder, Font };

    struct Expected {
        Kind kind = Kind::Message;
        QString text;                 // message text or input prompt
        std::optional<QString> title; // checked when given
        std::optional<Buttons> buttons;
        std::optional<Icon> icon;
        std::optional<Answer> defaultAnswer;
        Answer answer = Answer::Ok;
        std::optional<QString> reply; // input text or file name; nullopt = cancelled
        QString filterReply;          // the filter chosen in a save dialog; empty: the first
        std::optional<QFont> fontReply;
        bool textIsStart = false;     // the text only has to begin with `text`
        std::function<void()> onShow; // runs while the prompt is up, before it is answered
    };

    // An OK-only message with this text (and title, when given).
    ScriptedPrompter& expectMessage(const QString& text, std::optional<QString> title = {});
    // A Yes/No (or other) question answered with `answer`.
    ScriptedPrompter& expectQuestion(const QString& text, Answer answer,
                                     std::optional<QString> title = {});
    // The whole look of a message box: text, title, buttons, icon and default button.
    // An OK-only message that begins with `start`: for messages that end in the database's
    // own words, which a test cannot spell out.
    ScriptedPrompter& expectMessageStarting(const QString& start,
                                            std::optional<QString> title = {});
    // A question that begins with `start`, answered with `answer`.
    ScriptedPrompter& expectQuestionStarting(const QString& start, Answer answer);
    // Something the program does not see happen while the last expected prompt is up, such as
    // another window writing to the database.
    ScriptedPrompter& whileShown(std::function<void()> action);
    ScriptedPrompter& expectExactly(const Message& message, Answer answer);
    ScriptedPrompter& expectInput(const QString& prompt, std::optional<QString> reply,
                                  std::optional<QString> title = {});
    ScriptedPrompter& expectOpenFile(std::optional<QString> reply);
    ScriptedPrompter& expectSaveFile(std::optional<QString> reply);
    // A save dialog whose filter chooses what is written, answered with a name and the filter
    // chosen (empty: the one it started on).
    ScriptedPrompter& expectSaveFileAs(std::optional<QString> reply, const QString& filter = {});
    ScriptedPrompter& expectFolder(std::optional<QString> reply);
    ScriptedPrompter& expectFont(std::optional<QFont> reply);

    // True when every expected prompt was shown and nothing unexpected was.
    bool verifyDone() const;
    QString leftover() const;
    int remaining() const { return int(m_script.size()); }
    const QList<Message>& messagesShown() const { return m_shown; }
    // The request of the last save dialog shown: its title, folder and suggested name.
    const FileRequest& lastSaveRequest() const { return m_lastSaveRequest; }

    Answer ask(const Message& message) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    std::optional<SavedFile> saveFileAs(const FileRequest& request, const QString& filter) override;
    // The filter the last saveFileAs() dialog started on.
    const QString& lastStartFilter() const { return m_lastStartFilter; }
    std::optional<QString> folder(const QString& title, const QString& start) override;
    std::optional<QFont> font(const QFont& initial, const QString& title) override;

private:
    // Appends an expectation of `kind` and returns it for the caller to complete.
    Expected& add(Kind kind, const QString& text, std::optional<QString> title);
    std::optional<Expected> take(Kind kind, const QString& what);
    void fail(const QString& why);

    QList<Expected> m_script;
    QList<Message> m_shown;
    QStringList m_failures;
    FileRequest m_lastSaveRequest;
    QString m_lastStartFilter;
};

// Fails the test unless the prompter's script was played out exactly.
#define VERIFY_PROMPTS(prompter)                                                                   \
    QVERIFY2((prompter).verifyDone(), qPrintable((prompter).leftover()))

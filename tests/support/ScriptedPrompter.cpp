#include "support/ScriptedPrompter.h"

#include <QTest>

namespace {

const char* kindName(ScriptedPrompter::Kind kind)
{
    static const char* const names[] = {"message",          "input box",     "open-file dialog",
                                        "save-file dialog", "folder dialog", "font dialog"};
    return names[int(kind)];
}

} // namespace

ScriptedPrompter::Expected& ScriptedPrompter::add(Kind kind, const QString& text,
                                                  std::optional<QString> title)
{
    Expected e;
    e.kind = kind;
    e.text = text;
    e.title = std::move(title);
    m_script << e;
    return m_script.last();
}

ScriptedPrompter& ScriptedPrompter::expectMessage(const QString& text, std::optional<QString> title)
{
    add(Kind::Message, text, std::move(title)).buttons = Buttons::Ok;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectMessageStarting(const QString& start,
                                                          std::optional<QString> title)
{
    expectMessage(start, std::move(title));
    m_script.last().textIsStart = true;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectQuestionStarting(const QString& start, Answer answer)
{
    Expected& e = add(Kind::Message, start, {});
    e.answer = answer;
    e.textIsStart = true;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::whileShown(std::function<void()> action)
{
    if (m_script.isEmpty())
        qFatal("whileShown() needs an expected prompt before it");
    m_script.last().onShow = std::move(action);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectQuestion(const QString& text, Answer answer,
                                                   std::optional<QString> title)
{
    add(Kind::Message, text, std::move(title)).answer = answer;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectExactly(const Message& message, Answer answer)
{
    Expected& e = add(Kind::Message, message.text, message.title);
    e.buttons = message.buttons;
    e.icon = message.icon;
    e.defaultAnswer = message.defaultAnswer;
    e.answer = answer;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectInput(const QString& prompt, std::optional<QString> reply,
                                                std::optional<QString> title)
{
    add(Kind::Input, prompt, std::move(title)).reply = std::move(reply);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectOpenFile(std::optional<QString> reply)
{
    add(Kind::OpenFile, {}, {}).reply = std::move(reply);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectSaveFile(std::optional<QString> reply)
{
    add(Kind::SaveFile, {}, {}).reply = std::move(reply);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectSaveFileAs(std::optional<QString> reply,
                                                     const QString& filter)
{
    Expected& e = add(Kind::SaveFile, {}, {});
    e.reply = std::move(reply);
    e.filterReply = filter;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectFolder(std::optional<QString> reply)
{
    add(Kind::Folder, {}, {}).reply = std::move(reply);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectFont(std::optional<QFont> reply)
{
    add(Kind::Font, {}, {}).fontReply = std::move(reply);
    return *this;
}

void ScriptedPrompter::fail(const QString& why)
{
    m_failures << why;
    QTest::qFail(qPrintable(why), __FILE__, __LINE__);
}

std::optional<ScriptedPrompter::Expected> ScriptedPrompter::take(Kind kind, const QString& what)
{
    if (m_script.isEmpty()) {
        fail(QStringLiteral("unexpected %1: \"%2\"").arg(QLatin1String(kindName(kind)), what));
        return std::nullopt;
    }
    const Expected next = m_script.takeFirst();
    const bool textMatches = next.textIsStart ? what.startsWith(next.text) : what == next.text;
    if (next.kind != kind || ((kind == Kind::Message || kind == Kind::Input) && !textMatches)) {
        fail(QStringLiteral("expected %1 \"%2\" but got %3 \"%4\"")
                 .arg(QLatin1String(kindName(next.kind)), next.text, QLatin1String(kindName(kind)),
                      what));
        return std::nullopt;
    }
    if (next.onShow)
        next.onShow();
    return next;
}

Prompter::Answer ScriptedPrompter::ask(const Message& message)
{
    m_shown << message;
    const auto e = take(Kind::Message, message.text);
    const Answer refusal = message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    if (!e)
        return refusal;
    const QString where = QStringLiteral("message \"%1\": ").arg(message.text);
    if (e->title && *e->title != message.title)
        fail(where + QStringLiteral("title \"%1\", expected \"%2\"").arg(message.title, *e->title));
    else if (e->buttons && *e->buttons != message.buttons)
        fail(where + QStringLiteral("other buttons than expected"));
    else if (e->icon && *e->icon != message.icon)
        fail(where + QStringLiteral("another icon than expected"));
    else if (e->defaultAnswer && *e->defaultAnswer != message.defaultAnswer)
        fail(where + QStringLiteral("another default button than expected"));
    else
        return e->answer;
    return refusal;
}

std::optional<QString> ScriptedPrompter::input(const QString& prompt, const QString& title,
                                               const QString&)
{
    const auto e = take(Kind::Input, prompt);
    if (!e)
        return std::nullopt;
    if (e->title && *e->title != title) {
        fail(QStringLiteral("input \"%1\": title \"%2\", expected \"%3\"")
                 .arg(prompt, title, *e->title));
        return std::nullopt;
    }
    return e->reply;
}

std::optional<QString> ScriptedPrompter::openFileName(const FileRequest& request)
{
    const auto e = take(Kind::OpenFile, request.title);
    return e ? e->reply : std::nullopt;
}

std::optional<QString> ScriptedPrompter::saveFileName(const FileRequest& request)
{
    m_lastSaveRequest = request;
    const auto e = take(Kind::SaveFile, request.title);
    return e ? e->reply : std::nullopt;
}

std::optional<Prompter::SavedFile> ScriptedPrompter::saveFileAs(const FileRequest& request,
                                                                const QString& filter)
{
    m_lastSaveRequest = request;
    m_lastStartFilter = filter;
    const auto e = take(Kind::SaveFile, request.title);
    if (!e || !e->reply)
        return std::nullopt;
    return SavedFile{*e->reply, e->filterReply.isEmpty() ? filter : e->filterReply};
}

std::optional<QString> ScriptedPrompter::folder(const QString& title, const QString&)
{
    const auto e = take(Kind::Folder, title);
    return e ? e->reply : std::nullopt;
}

std::optional<QFont> ScriptedPrompter::font(const QFont&, const QString& title)
{
    const auto e = take(Kind::Font, title);
    return e ? e->fontReply : std::nullopt;
}

bool ScriptedPrompter::verifyDone() const
{
    return m_failures.isEmpty() && m_script.isEmpty();
}

QString ScriptedPrompter::leftover() const
{
    QStringList lines = m_failures;
    for (const Expected& e : m_script)
        lines << QStringLiteral("never shown: %1 \"%2\"")
                     .arg(QLatin1String(kindName(e.kind)), e.text);
    return lines.join(u'\n');
}

#include "support/ScriptedPrompter.h"

#include <QTest>

namespace {

const char* kindName(ScriptedPrompter::Kind kind)
{
    switch (kind) {
    case ScriptedPrompter::Kind::Message:
        return "message";
    case ScriptedPrompter::Kind::Input:
        return "input box";
    case ScriptedPrompter::Kind::OpenFile:
        return "open-file dialog";
    case ScriptedPrompter::Kind::SaveFile:
        return "save-file dialog";
    case ScriptedPrompter::Kind::Folder:
        return "folder dialog";
    case ScriptedPrompter::Kind::Font:
        return "font dialog";
    }
    return "?";
}

} // namespace

ScriptedPrompter& ScriptedPrompter::expectMessage(const QString& text, std::optional<QString> title)
{
    Expected e;
    e.text = text;
    e.title = std::move(title);
    e.buttons = Buttons::Ok;
    m_script << e;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectMessageStarting(const QString& start,
                                                          std::optional<QString> title)
{
    expectMessage(start, std::move(title));
    m_script.last().textIsStart = true;
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
    Expected e;
    e.text = text;
    e.title = std::move(title);
    e.answer = answer;
    m_script << e;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectExactly(const Message& message, Answer answer)
{
    Expected e;
    e.text = message.text;
    e.title = message.title;
    e.buttons = message.buttons;
    e.icon = message.icon;
    e.defaultAnswer = message.defaultAnswer;
    e.answer = answer;
    m_script << e;
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectInput(const QString& prompt, std::optional<QString> reply,
                                                std::optional<QString> title)
{
    Expected e;
    e.kind = Kind::Input;
    e.text = prompt;
    e.title = std::move(title);
    e.reply = std::move(reply);
    m_script << e;
    return *this;
}

#define BILLCRAFT_FILE_EXPECTATION(method, kindValue)                                              \
    ScriptedPrompter& ScriptedPrompter::method(std::optional<QString> reply)                       \
    {                                                                                              \
        Expected e;                                                                                \
        e.kind = kindValue;                                                                        \
        e.reply = std::move(reply);                                                                \
        m_script << e;                                                                             \
        return *this;                                                                              \
    }
BILLCRAFT_FILE_EXPECTATION(expectOpenFile, Kind::OpenFile)
BILLCRAFT_FILE_EXPECTATION(expectSaveFile, Kind::SaveFile)
BILLCRAFT_FILE_EXPECTATION(expectFolder, Kind::Folder)
#undef BILLCRAFT_FILE_EXPECTATION

ScriptedPrompter& ScriptedPrompter::expectFont(std::optional<QFont> reply)
{
    Expected e;
    e.kind = Kind::Font;
    e.fontReply = std::move(reply);
    m_script << e;
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
    const auto e = take(Kind::SaveFile, request.title);
    return e ? e->reply : std::nullopt;
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

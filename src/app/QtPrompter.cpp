#include "app/QtPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QString titleOr(const QString& title)
{
    return title.isEmpty() ? kApplicationTitle : title;
}

QMessageBox::StandardButton toButton(Prompter::Answer answer)
{
    switch (answer) {
    case Prompter::Answer::Ok:
        return QMessageBox::Ok;
    case Prompter::Answer::Cancel:
        return QMessageBox::Cancel;
    case Prompter::Answer::Yes:
        return QMessageBox::Yes;
    case Prompter::Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

QWidget* QtPrompter::parent() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_fallbackParent;
}

Prompter::Answer QtPrompter::ask(const Message& message)
{
    QMessageBox box(parent());
    box.setWindowTitle(titleOr(message.title));
    box.setText(message.text);
    switch (message.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    const QMessageBox::StandardButton named[] = {QMessageBox::Yes, QMessageBox::No,
                                                 QMessageBox::Cancel};
    for (qsizetype i = 0; i < message.buttonTexts.size() && i < 3; ++i) {
        if (QAbstractButton* button = box.button(named[i]))
            button->setText(message.buttonTexts[i]);
    }
    box.setDefaultButton(toButton(message.defaultAnswer));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Escape or the title bar's close button on a Yes/No box counts as No.
        return message.buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
}

std::optional<QString> QtPrompter::input(const QString& prompt, const QString& title,
                                         const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent(), titleOr(title), prompt, QLineEdit::Normal,
                                               defaultText, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

std::optional<QString> QtPrompter::openFileName(const FileRequest& request)
{
    const QString name = QFileDialog::getOpenFileName(parent(), titleOr(request.title),
                                                      request.folder, request.filters.join(u";;"));
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> QtPrompter::saveFileName(const FileRequest& request)
{
    const QString start =
        request.fileName.isEmpty() ? request.folder : request.folder + u'/' + request.fileName;
    const QString name = QFileDialog::getSaveFileName(parent(), titleOr(request.title), start,
                                                      request.filters.join(u";;"));
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<Prompter::SavedFile> QtPrompter::saveFileAs(const FileRequest& request,
                                                          const QString& startFilter)
{
    const QString start =
        request.fileName.isEmpty() ? request.folder : request.folder + u'/' + request.fileName;
    QString filter = startFilter;
    const QString name = QFileDialog::getSaveFileName(parent(), titleOr(request.title), start,
                                                      request.filters.join(u";;"), &filter);
    if (name.isEmpty())
        return std::nullopt;
    return SavedFile{name, filter};
}

std::optional<QString> QtPrompter::folder(const QString& title, const QString& start)
{
    const QString name = QFileDialog::getExistingDirectory(parent(), titleOr(title), start);
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QFont> QtPrompter::font(const QFont& initial, const QString& title)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent(), titleOr(title));
    return ok ? std::optional<QFont>(chosen) : std::nullopt;
}

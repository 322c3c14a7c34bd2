#pragma once

#include "core/Prompter.h"

class QWidget;

// The real dialogs: QMessageBox, QInputDialog, QFileDialog and QFontDialog, owned by the active
// window (or the given fallback parent).
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* fallbackParent = nullptr)
        : m_fallbackParent(fallbackParent)
    {}
    void setFallbackParent(QWidget* parent) { m_fallbackParent = parent; }

    Answer ask(const Message& message) override;
    std::optional<QString> input(const QString& prompt, const QString& title,
                                 const QString& defaultText) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    std::optional<SavedFile> saveFileAs(const FileRequest& request, const QString& filter) override;
    std::optional<QString> folder(const QString& title, const QString& start) override;
    std::optional<QFont> font(const QFont& initial, const QString& title) override;

private:
    QWidget* parent() const;
    QWidget* m_fallbackParent;
};

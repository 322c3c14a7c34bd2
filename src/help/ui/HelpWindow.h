#pragma once

#include "help/HelpDocument.h"

#include <QWidget>
#include <functional>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class Session;

// frmHelp: the help document as a tree of sections, the chosen section's text, a word search
// over every section, printing and PDF of the text shown, and the edits of the document. Every
// edit reads Help.set, changes it, writes it back whole and rebuilds the tree.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // Lets the user choose a printer; false when cancelled. Tests put their own in its place.
    using PrintDialog = std::function<bool(QPrinter& printer, QWidget* parent)>;

    static const char* const kWelcome;

    explicit HelpWindow(Session& session, QWidget* parent = nullptr);

    // Shows the welcome text and the tree, or says that Help.set is missing. Problems found in
    // the file (damage, a ring of parents) are reported here.
    void open();
    // Rebuilds the tree from Help.set.
    void populateTree();

    // The chosen section's key (lblHelpSection); empty when none is chosen.
    QString chosenSection() const;
    void setPrintDialog(PrintDialog dialog) { m_printDialog = std::move(dialog); }

    void search();
    void print();
    void saveAsPdf();
    void addNode();
    void addChild();
    void rename();
    void deleteNode();
    void save();
    void makeNewHelp();

private:
    QHBoxLayout* buildTopRow(QLabel*& helpLabel);
    QSplitter* buildContents();
    QHBoxLayout* buildEditButtons();
    // Reads the file into m_sections and the tree; false (and the tree empty) when it cannot
    // be read. `report` shows damage and rings of parents too.
    bool load(bool report);
    void chooseItem(QTreeWidgetItem* item);
    void choose(const QString& key);
    // Runs an edit (again, keeping what could be read, when the user agrees to rewrite a
    // damaged file), reports its outcome, and rebuilds the tree after a change.
    bool runEdit(const std::function<Result<HelpDocument::Outcome>(bool keepDamaged)>& edit,
                 const QString& doneText);
    // Asks for a new section's key; empty when the user gives none or it cannot be used.
    QString askNewKey(const QString& prompt);
    bool hasKey(const QString& key) const;
    QString shownText() const; // txtHelp's text with CR LF line ends

    Session& m_session;
    HelpDocument m_document;
    QList<HelpSection> m_sections;
    PrintDialog m_printDialog;

    QTreeWidget* m_tree = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QLabel* m_section = nullptr;
    QLineEdit* m_displayOrder = nullptr;
};

#include "help/ui/HelpWindow.h"

#include "core/Prompter.h"
#include "core/Translations.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/PictureButton.h"
#include "core/ui/Session.h"
#include "help/HelpPrint.h"
#include "help/HelpTree.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kSectionRole = Qt::UserRole; // the item's index in m_sections; -1 for Unfiled

constexpr const char* kDone = QT_TRANSLATE_NOOP("HelpWindow", "Done");
constexpr const char* kDoneLower = QT_TRANSLATE_NOOP("HelpWindow", "done");
constexpr const char* kNotFound = QT_TRANSLATE_NOOP("HelpWindow", "Search text not found..");
constexpr const char* kUnfiledText = QT_TRANSLATE_NOOP(
    "HelpWindow", "The sections below belong under a section that is no longer in the help, "
                  "or under each other in a circle. They are kept here so that none is lost.");

bool runPrintDialog(QPrinter& printer, QWidget* parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("HelpWindow", "Print Help"));
    return dialog.exec() == QDialog::Accepted;
}

// The tree's icons: a closed book, and an open one while the section is chosen.
QIcon bookIcon(QStyle* style)
{
    QIcon icon;
    icon.addPixmap(style->standardIcon(QStyle::SP_DirClosedIcon).pixmap(16), QIcon::Normal);
    icon.addPixmap(style->standardIcon(QStyle::SP_DirOpenIcon).pixmap(16), QIcon::Selected);
    return icon;
}

QString toCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

QString fromCrLf(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

const char* const HelpWindow::kWelcome =
    QT_TRANSLATE_NOOP("HelpWindow", "Welcome to Billcraft Help\r\n"
                                    "\r\n"
                                    "Click the item LEFT you want help on.\r\n"
                                    "Or use the Search Button above.\r\n"
                                    "\r\n"
                                    "Or email support@norvane.example\r\n"
                                    "for specific help with your problem\r\n"
                                    "\r\n"
                                    "Does your business need a website?\r\n"
                                    "Contact sales@norvane.example or www.norvane.example\r\n"
                                    "For a cost effective solution");

HelpWindow::HelpWindow(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_session(session)
    , m_document(session.files(), HelpDocument::fileNameFor(Translations::current()))
    , m_printDialog(runPrintDialog)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Help"));

    // Built top to bottom, so that Tab goes the same way.
    QLabel* helpLabel = nullptr;
    QHBoxLayout* top = buildTopRow(helpLabel);
    QSplitter* split = buildContents();
    helpLabel->setBuddy(m_text);
    QHBoxLayout* edits = buildEditButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(edits);
    resize(820, 560);
    Mnemonics::give(this);
}

// The caption, then Search, Print and Save as PDF on the right.
QHBoxLayout* HelpWindow::buildTopRow(QLabel*& helpLabel)
{
    auto* top = new QHBoxLayout;
    helpLabel = new QLabel(tr("Help"), this);
    helpLabel->setObjectName(QStringLiteral("lblHelp"));
    top->addWidget(helpLabel);
    top->addStretch(1);
    QPushButton* searchButton = namedButton(QStringLiteral("cmdSearch"), tr("Search"), this);
    connect(searchButton, &QPushButton::clicked, this, &HelpWindow::search);
    top->addWidget(searchButton);
    auto* printButton = new PictureButton(
        QStringLiteral("picPrint"),
        QIcon::fromTheme(QStringLiteral("document-print"),
                         style()->standardIcon(QStyle::SP_FileDialogContentsView)),
        tr("Print"), {}, this);
    connect(printButton, &PictureButton::clicked, this, &HelpWindow::print);
    top->addWidget(printButton);
    QPushButton* pdfButton = namedButton(QStringLiteral("cmdSavePdf"), tr("Save as PDF..."), this);
    connect(pdfButton, &QPushButton::clicked, this, &HelpWindow::saveAsPdf);
    top->addWidget(pdfButton);
    return top;
}

// The section tree on the left; the chosen section's name, order and text on the right.
QSplitter* HelpWindow::buildContents()
{
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("treeHelp"));
    m_tree->setHeaderLabel(tr("Contents"));
    m_tree->setAccessibleName(tr("Contents"));
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { chooseItem(item); });
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { chooseItem(item); });

    auto* sectionCaption = new QLabel(tr("Section"), this);
    m_section = new QLabel(this);
    m_section->setObjectName(QStringLiteral("lblHelpSection"));
    m_section->setAccessibleName(tr("Section"));
    m_section->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* orderLabel = new QLabel(tr("Display Order"), this);
    m_displayOrder = new QLineEdit(this);
    m_displayOrder->setObjectName(QStringLiteral("txtDisplayOrder"));
    m_displayOrder->setAccessibleName(tr("Display Order"));
    m_displayOrder->setMaximumWidth(100);
    orderLabel->setBuddy(m_displayOrder);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtHelp"));
    m_text->setAccessibleName(tr("Help"));
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setStyleHint(QFont::SansSerif);
    m_text->setFont(verdana);

    auto* right = new QWidget(this);
    auto* rightLayout = new QGridLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(sectionCaption, 0, 0);
    rightLayout->addWidget(m_section, 0, 1);
    rightLayout->addWidget(orderLabel, 0, 2);
    rightLayout->addWidget(m_displayOrder, 0, 3);
    rightLayout->setColumnStretch(1, 1);
    rightLayout->addWidget(m_text, 1, 0, 1, 4);

    auto* split = new QSplitter(this);
    split->addWidget(m_tree);
    split->addWidget(right);
    split->setStretchFactor(1, 2);
    return split;
}

// The editing buttons along the bottom.
QHBoxLayout* HelpWindow::buildEditButtons()
{
    auto* edits = new QHBoxLayout;
    const auto addEdit = [&](const char* name, const QString& caption, void (HelpWindow::*slot)()) {
        QPushButton* b = namedButton(QLatin1String(name), caption, this);
        connect(b, &QPushButton::clicked, this, slot);
        edits->addWidget(b);
    };
    addEdit("cmdAddNode", tr("Add Node"), &HelpWindow::addNode);
    addEdit("cmdAddChild", tr("Add Child"), &HelpWindow::addChild);
    addEdit("cmdRename", tr("Rename"), &HelpWindow::rename);
    addEdit("cmdDeleteNode", tr("Delete Node"), &HelpWindow::deleteNode);
    addEdit("cmdSave", tr("Save"), &HelpWindow::save);
    edits->addStretch(1);
    addEdit("cmdMakeNewHelp", tr("Make New Help"), &HelpWindow::makeNewHelp);

    return edits;
}

void HelpWindow::open()
{
    m_text->setPlainText(fromCrLf(tr(kWelcome)));
    if (m_document.exists())
        load(true);
    else
        m_session.prompter().inform(tr("Help File Missing"));
}

void HelpWindow::populateTree()
{
    load(false);
}

bool HelpWindow::load(bool report)
{
    m_tree->clear();
    m_sections.clear();
    Prompter& prompter = m_session.prompter();
    const Result<HelpContents> contents = m_document.read();
    if (!contents) {
        prompter.inform(contents.error(), {}, Prompter::Icon::Warning);
        return false;
    }
    m_sections = contents->sections;
    const HelpTree tree = HelpTree::build(m_sections);
    const QIcon icon = bookIcon(style());
    const auto add = [&](const HelpNode& node, QTreeWidgetItem* parent, const auto& self) -> void {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, node.section >= 0
                             ? m_sections[node.section].caption
                             : QCoreApplication::translate("HelpTree", HelpTree::kUnfiled));
        item->setIcon(0, icon);
        item->setData(0, kSectionRole, node.section);
        for (const HelpNode& child : node.children)
            self(child, item, self);
    };
    for (const HelpNode& root : tree.roots)
        add(root, nullptr, add);

    // The chosen section stays chosen in the new tree.
    const QString chosen = chosenSection();
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const int i = (*it)->data(0, kSectionRole).toInt();
        if (i >= 0 && m_sections[i].name == chosen) {
            m_tree->setCurrentItem(*it);
            break;
        }
    }

    if (report && !contents->damage.isEmpty())
        prompter.inform(
            contents->damage +
                tr("\nThe sections before the damage are shown. The file is left as it is until "
                   "you change the help."),
            {}, Prompter::Icon::Warning);
    if (report && !tree.rings.isEmpty())
        prompter.inform(tr("These help sections are each other's parents, round in a circle: "
                           "%1.\nThey are shown under \"Unfiled\".")
                            .arg(tree.rings.join(QStringLiteral(", "))),
                        {}, Prompter::Icon::Warning);
    return true;
}

QString HelpWindow::chosenSection() const
{
    return m_section->text();
}

void HelpWindow::chooseItem(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const int i = item->data(0, kSectionRole).toInt();
    item->setExpanded(true);
    if (i < 0) { // the Unfiled node holds no text of its own
        m_section->clear();
        m_displayOrder->clear();
        m_text->setPlainText(tr(kUnfiledText));
        return;
    }
    const HelpSection& s = m_sections[i];
    m_text->setPlainText(fromCrLf(s.text));
    m_section->setText(s.name);
    m_displayOrder->setText(QString::number(s.displayOrder));
    m_text->setFocus();
}

void HelpWindow::choose(const QString& key)
{
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const int i = (*it)->data(0, kSectionRole).toInt();
        if (i >= 0 && m_sections[i].name == key) {
            m_tree->setCurrentItem(*it);
            chooseItem(*it);
            return;
        }
    }
}

QString HelpWindow::shownText() const
{
    return toCrLf(m_text->toPlainText());
}

bool HelpWindow::hasKey(const QString& key) const
{
    return std::any_of(m_sections.cbegin(), m_sections.cend(), [&](const HelpSection& s) {
        return s.name.compare(key, Qt::CaseInsensitive) == 0;
    });
}

void HelpWindow::search()
{
    const std::optional<QString> answer =
        m_session.prompter().input(tr("Enter the item you want to find"), tr("Search"));
    if (!answer || answer->isEmpty())
        return;
    const QString report = HelpText::searchReport(m_sections, *answer);
    m_text->setPlainText(report.isEmpty() ? tr(kNotFound) : fromCrLf(report));
    // The list is no section's text: Save must not store it into the section chosen before.
    m_section->clear();
    m_displayOrder->clear();
}

void HelpWindow::print()
{
    const QStringList lines = HelpText::wrapForPrint(m_text->toPlainText());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Billcraft Help"));
    printer.setCreator(QStringLiteral("Billcraft"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    if (!m_printDialog(printer, this))
        return;
    Prompter& prompter = m_session.prompter();
    // Without a printer Qt offers only a file, and with no file name there is nowhere to print.
    const bool nowhere = printer.outputFormat() == QPrinter::NativeFormat
                             ? printer.printerName().isEmpty()
                             : printer.outputFileName().isEmpty();
    if (nowhere) {
        prompter.inform(tr("Could not find Printer"));
        return;
    }
    if (!HelpPrint::paint(printer, lines) || printer.printerState() == QPrinter::Error)
        prompter.inform(tr("Printer Error"), {}, Prompter::Icon::Warning);
}

void HelpWindow::saveAsPdf()
{
    Prompter::FileRequest request;
    request.title = tr("Save Help as PDF");
    request.folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = chosenSection().isEmpty() ? tr("Help") : chosenSection();
    request.fileName = name + QStringLiteral(".pdf");
    request.filters = {tr("PDF files (*.pdf)")};
    std::optional<QString> path = m_session.prompter().saveFileName(request);
    if (!path || path->isEmpty())
        return;
    if (!path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        *path += QStringLiteral(".pdf");
    const Status written = HelpPrint::writePdf(HelpText::wrapForPrint(m_text->toPlainText()),
                                               tr("Billcraft Help: %1").arg(name), *path);
    if (!written)
        m_session.prompter().inform(written.error(), {}, Prompter::Icon::Warning);
}

bool HelpWindow::runEdit(const std::function<Result<HelpDocument::Outcome>(bool keepDamaged)>& edit,
                         const QString& doneText)
{
    using Outcome = HelpDocument::Outcome;
    Prompter& prompter = m_session.prompter();
    Result<Outcome> outcome = edit(false);
    if (outcome && *outcome == Outcome::Damaged) {
        if (!prompter.confirm(
                tr("%1 is damaged: only the sections shown could be read from it.\nWriting this "
                   "change keeps those sections and drops the rest of the file. Write it anyway?")
                    .arg(m_document.name()),
                {}, Prompter::Icon::Warning))
            return false;
        outcome = edit(true);
    }
    if (!outcome) {
        prompter.inform(outcome.error(), {}, Prompter::Icon::Warning);
        return false;
    }
    switch (*outcome) {
    case Outcome::Done:
        prompter.inform(doneText);
        populateTree();
        return true;
    case Outcome::NodeExists:
        prompter.inform(tr("Node Exists"));
        return false;
    case Outcome::NotChosen:
        prompter.inform(tr("The section %1 is no longer in the help.").arg(chosenSection()), {},
                        Prompter::Icon::Warning);
        populateTree();
        return false;
    case Outcome::Damaged:
        break;
    }
    return false;
}

QString HelpWindow::askNewKey(const QString& prompt)
{
    Prompter& prompter = m_session.prompter();
    const std::optional<QString> answer = prompter.input(prompt, tr("Add"));
    if (!answer)
        return {};
    const QString key = HelpDocument::keyFromTyped(*answer);
    if (key.isEmpty())
        return {};
    if (const QString why = HelpDocument::checkKey(key); !why.isEmpty()) {
        prompter.inform(why);
        return {};
    }
    if (hasKey(key)) {
        prompter.inform(tr("Node Exists"));
        return {};
    }
    return key;
}

void HelpWindow::addNode()
{
    if (!m_document.exists())
        return;
    const QString key = askNewKey(tr("Add New Field"));
    if (!key.isEmpty())
        runEdit([&](bool keep) { return m_document.add(key, {}, keep); }, tr(kDone));
}

void HelpWindow::addChild()
{
    if (!m_document.exists())
        return;
    const QString parent = chosenSection();
    if (parent.isEmpty()) {
        m_session.prompter().inform(tr("Please Select Parent"));
        return;
    }
    const QString key = askNewKey(tr("Add New Child"));
    if (!key.isEmpty())
        runEdit([&](bool keep) { return m_document.add(key, parent, keep); }, tr(kDone));
}

void HelpWindow::rename()
{
    Prompter& prompter = m_session.prompter();
    const QString key = chosenSection();
    if (key.isEmpty()) {
        prompter.inform(tr("Please Choose node to Re-Name "));
        return;
    }
    const std::optional<QString> answer =
        prompter.input(tr("New Name?"), tr("Rename Field%1").arg(key));
    if (!answer || answer->isEmpty())
        return;
    QString caption = *answer;
    caption.remove(u'\'');
    if (caption.isEmpty()) // nothing but quotes: as good as no answer
        return;
    if (const QString why = HelpDocument::checkKey(caption); !why.isEmpty()) {
        prompter.inform(why);
        return;
    }
    runEdit([&](bool keep) { return m_document.rename(key, caption, keep); }, tr(kDoneLower));
}

void HelpWindow::deleteNode()
{
    const QString key = chosenSection();
    if (key.isEmpty())
        return;
    if (!m_session.prompter().confirm(tr("Confirm Delete%1").arg(key), tr("Delete?"),
                                      Prompter::Icon::Critical))
        return;
    if (runEdit([&](bool keep) { return m_document.remove(key, keep); }, tr(kDone))) {
        m_section->clear();
        m_displayOrder->clear();
    }
}

void HelpWindow::save()
{
    const QString key = chosenSection();
    if (key.isEmpty())
        return;
    Prompter& prompter = m_session.prompter();
    bool ok = false;
    const int order = m_displayOrder->text().trimmed().toInt(&ok);
    if (!ok) {
        prompter.inform(
            tr("The display order must be a whole number, such as 10. Nothing was saved."));
        m_displayOrder->setFocus();
        return;
    }
    const QString text = shownText();
    if (const QString why = HelpDocument::checkText(text); !why.isEmpty()) {
        prompter.inform(why + tr(" Nothing was saved."));
        return;
    }
    if (runEdit([&](bool keep) { return m_document.save(key, text, order, keep); }, tr(kDoneLower)))
        choose(key);
}

void HelpWindow::makeNewHelp()
{
    Prompter& prompter = m_session.prompter();
    const Result<HelpDocument::Outcome> made = m_document.makeFromOld();
    if (!made) {
        prompter.inform(made.error(), {}, Prompter::Icon::Warning);
        return;
    }
    if (*made == HelpDocument::Outcome::NodeExists) {
        prompter.inform(tr("Help File Exists"));
        return;
    }
    prompter.inform(tr(kDoneLower));
    populateTree();
}

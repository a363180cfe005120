#include "ui/Properties.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/process/Opener.h"
#include "shortcuts/Targets.h"
#include "shortcuts/TypedText.h"

namespace ui {

namespace {

QLabel *noteLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::darkRed);
    label->setPalette(palette);
    return label;
}

QLineEdit *lineEdit(QWidget *parent, const char *name, const QString &text)
{
    auto *field = new QLineEdit(text, parent);
    field->setObjectName(QLatin1String(name));
    return field;
}

} // namespace

Properties::Properties(const shortcuts::Shortcut &shortcut, platform::FileChooser &chooser, IconOf iconOf,
                       QWidget *parent)
    : QDialog(parent),
      m_shortcut(shortcut),
      m_chooser(chooser),
      m_iconOf(std::move(iconOf)),
      m_caption(lineEdit(this, "txtCaption", shortcut.caption)),
      m_target(lineEdit(this, "txtTarget", shortcut.target)),
      m_arguments(lineEdit(this, "txtArguments", shortcut.arguments)),
      m_folder(lineEdit(this, "txtFolder", shortcut.workingDirectory)),
      m_terminal(new QCheckBox(tr("Run in a &terminal"), this)),
      m_icon(lineEdit(this, "txtIcon", shortcut.iconName)),
      m_iconPreview(new QLabel(this)),
      m_comment(lineEdit(this, "txtComment", shortcut.comment)),
      m_captionNoteLabel(noteLabel(this, "lblCaptionRefused")),
      m_targetNoteLabel(noteLabel(this, "lblTargetRefused")),
      m_form(new QFormLayout)
{
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(tr("Tessaflow - Properties"));
    m_captionNote.emplace(*m_caption, *m_captionNoteLabel);
    m_targetNote.emplace(*m_target, *m_targetNoteLabel);
    m_terminal->setObjectName(QStringLiteral("chkTerminal"));
    m_terminal->setChecked(shortcut.terminal);
    //: Shown in the empty arguments field: each argument separated by blanks, quoted where it holds one.
    m_arguments->setPlaceholderText(tr("--option \"a file name with blanks\""));
    //: Shown in the empty icon field: the icon its kind of target gets.
    m_icon->setPlaceholderText(tr("Automatic"));
    m_iconPreview->setObjectName(QStringLiteral("lblIconPreview"));
    m_iconPreview->setFixedSize(32, 32);
    //: What a screen reader calls the picture of the icon the shortcut will show.
    m_iconPreview->setAccessibleName(tr("Icon preview"));

    auto *chooseFolder = new QPushButton(tr("&Browse\u2026"), this);
    chooseFolder->setObjectName(QStringLiteral("cmdChooseFolder"));
    //: What a screen reader says of the button beside the working folder field.
    chooseFolder->setAccessibleName(tr("Choose the working folder"));
    auto *chooseImage = new QPushButton(tr("C&hoose Image\u2026"), this);
    chooseImage->setObjectName(QStringLiteral("cmdChooseIcon"));
    auto *reset = new QPushButton(tr("&Reset"), this);
    reset->setObjectName(QStringLiteral("cmdResetIcon"));
    //: What a screen reader says of the button that gives the shortcut its automatic icon back.
    reset->setAccessibleName(tr("Reset the icon to automatic"));
    for (QPushButton *button : {chooseFolder, chooseImage, reset})
        button->setAutoDefault(false); // Enter is OK wherever the focus is
    connect(chooseFolder, &QPushButton::clicked, this, &Properties::chooseFolder);
    connect(chooseImage, &QPushButton::clicked, this, &Properties::chooseImage);
    connect(reset, &QPushButton::clicked, m_icon, &QLineEdit::clear);
    connect(m_icon, &QLineEdit::textChanged, this, &Properties::showIcon);
    connect(m_target, &QLineEdit::textChanged, this, &Properties::targetChanged);

    // Each field named by its label, for screen readers and the label's key.
    auto row = [this](const QString &text, QWidget *field, QWidget *shown = nullptr) {
        auto *label = new QLabel(text, this);
        label->setBuddy(field);
        // Screen readers take a field's name from a label beside it; one set
        // in a row with buttons has its label one level up.
        if (shown)
            field->setAccessibleName(label->text().remove(QLatin1Char('&')));
        m_form->addRow(label, shown ? shown : field);
        return shown ? shown : field;
    };
    row(tr("&Caption:"), m_caption);
    m_form->addRow(QString(), m_captionNoteLabel);
    row(tr("&Target:"), m_target);
    m_form->addRow(QString(), m_targetNoteLabel);
    m_runningRows = {row(tr("&Arguments:"), m_arguments),
                     row(tr("&Working folder:"), m_folder, platform::fieldWithButtons(m_folder, {chooseFolder})),
                     m_terminal};
    m_form->addRow(QString(), m_terminal);
    row(tr("&Icon:"), m_icon, platform::fieldWithButtons(m_icon, {chooseImage, reset}));
    m_form->addRow(QString(), m_iconPreview);
    row(tr("C&omment:"), m_comment);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(m_form);
    layout->addWidget(buttons);
    m_caption->setMinimumWidth(m_caption->fontMetrics().averageCharWidth() * 50);
    m_caption->setFocus();
    m_caption->selectAll();
    targetChanged();
}

void Properties::editSelected(QWidget &window, launcher::Controller &controller, platform::FileChooser &chooser)
{
    shortcuts::Icons &icons = controller.icons();
    controller.editSelected([&](const shortcuts::Shortcut &shortcut) -> std::optional<shortcuts::Shortcut> {
        Properties dialog(shortcut, chooser,
                          [&icons](const QString &target, const QString &name) {
                              return icons.iconForKey(icons.keyFor(target, name));
                          },
                          &window);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.edited();
    });
}

QString Properties::storedTarget(QString *why) const
{
    const QString text = m_target->text();
    // Kept as it is, even when it is missing now: editing the comment of a
    // shortcut whose drive is away must not need the drive.
    if (text == m_shortcut.target)
        return text;
    return shortcuts::typedTarget(text.trimmed(), why).value_or(QString());
}

bool Properties::offersRunning() const
{
    const QString target = storedTarget();
    if (target.isEmpty())
        return false;
    const shortcuts::Target read = shortcuts::readTarget(target, shortcuts::Source::Stored);
    return !read.isLink() && platform::DesktopOpener::opensByRunning(read.text);
}

void Properties::targetChanged()
{
    m_targetNote->clear();
    const bool running = offersRunning();
    for (QWidget *field : m_runningRows)
        m_form->setRowVisible(field, running);
    showIcon();
}

void Properties::showIcon()
{
    const QString target = storedTarget();
    const QIcon icon = m_iconOf ? m_iconOf(target.isEmpty() ? m_shortcut.target : target, m_icon->text().trimmed())
                                : QIcon();
    m_iconPreview->setPixmap(icon.pixmap(QSize(32, 32), devicePixelRatio()));
}

void Properties::chooseFolder()
{
    const QString start = m_folder->text().isEmpty() ? QDir::homePath() : m_folder->text();
    const QStringList chosen = m_chooser.chooseFolders(this, tr("Tessaflow - Working Folder"), start);
    if (!chosen.isEmpty())
        m_folder->setText(chosen.first());
}

void Properties::chooseImage()
{
    const QString current = m_icon->text().trimmed();
    const QString start = QDir::isAbsolutePath(current) ? QFileInfo(current).absolutePath() : QDir::homePath();
    const QStringList chosen = m_chooser.chooseFiles(this, tr("Tessaflow - Icon Image"), start);
    if (!chosen.isEmpty())
        m_icon->setText(chosen.first());
}

shortcuts::Shortcut Properties::edited() const
{
    shortcuts::Shortcut edited = m_shortcut;
    edited.caption = m_caption->text();
    edited.target = storedTarget();
    edited.arguments = m_arguments->text();
    edited.workingDirectory = m_folder->text();
    edited.terminal = m_terminal->isChecked();
    edited.iconName = m_icon->text().trimmed();
    edited.comment = m_comment->text();
    return edited;
}

void Properties::done(int result)
{
    if (result == Accepted) {
        m_captionNote->clear();
        if (m_caption->text().trimmed().isEmpty()) {
            m_captionNote->show(tr("A shortcut needs a caption."));
            return;
        }
        QString why;
        if (storedTarget(&why).isEmpty()) {
            m_targetNote->show(why.isEmpty() ? tr("This target names nothing that can be opened.") : why);
            return;
        }
    }
    QDialog::done(result);
}

} // namespace ui

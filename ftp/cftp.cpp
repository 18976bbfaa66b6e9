// TForm1: the window's controls, the button states, and the commands of the command bar.
#include "ftp/cftp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "ftp/cabout.h"
#include "platform/ui/ErrorHandler.h"
#include "platform/ui/FileControls.h"
#include "platform/ui/HelpWindow.h"
#include "platform/ui/Prompter.h"

namespace sorxfer {

namespace {

constexpr int kClientWidth = 452;
constexpr int kClientHeight = 394;
constexpr int kColumnButtonWidth = 58;
constexpr int kButtonHeight = 23;

struct ButtonDef {
    QPushButton* TForm1::*slot;
    const char* name;
    const char* caption;
    const char* hint;
};

const ButtonDef kLocalButtons[] = {
    {&TForm1::BtnChDirLocal, "BtnChDirLocal", "ChDir", "Change local directory"},
    {&TForm1::BtnMakeDirLocal, "BtnMakeDirLocal", "MakeDir", "Create local directory"},
    {&TForm1::BtnDeleteLocal, "BtnDeleteLocal", "Delete", "Delete local file or directory"},
    {&TForm1::BtnRenameLocal, "BtnRenameLocal", "Rename", "Rename local file or directory"},
    {&TForm1::btnRefreshLocal, "btnRefreshLocal", "Refresh",
     "Refresh local file and directory lists"},
    {&TForm1::BtnXferLocal, "BtnXferLocal", "---->", "Upload file to remote."},
};

const ButtonDef kRemoteButtons[] = {
    {&TForm1::BtnChDirRemote, "BtnChDirRemote", "ChDir", "Change Remote Directory"},
    {&TForm1::btnMakeDirRemote, "btnMakeDirRemote", "MakeDir", "Create Remote Directory"},
    {&TForm1::btnDeleteRemote, "btnDeleteRemote", "Delete", "Delete Remote directory or Files"},
    {&TForm1::btnRenameRemote, "btnRenameRemote", "Rename", "Rename Remote File or directory"},
    {&TForm1::BtnRefreshRemote, "BtnRefreshRemote", "Refresh", "Refresh Remote File List"},
    {&TForm1::btnXferRemote, "btnXferRemote", "<----", "Download from Remote"},
};

const ButtonDef kBarButtons[] = {
    {&TForm1::BtnConnect, "BtnConnect", "&Connect", ""},
    {&TForm1::BtnDisconnect, "BtnDisconnect", "&Disconnect", ""},
    {&TForm1::btnHelp, "btnHelp", "Help", ""},
    {&TForm1::btnAbout, "btnAbout", "About", ""},
    {&TForm1::btnQuit, "btnQuit", "&Quit", ""},
};

QFrame* makePanel(const char* name, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QListWidget* makeList(const char* name, QAbstractItemView::SelectionMode mode, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setSelectionMode(mode);
    // The window fills the lists already sorted (PaneRules), in one go per listing.
    list->setSortingEnabled(false);
    return list;
}

QPlainTextEdit* makeColumnMemo(const char* name, QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setReadOnly(true);
    memo->hide();
    return memo;
}

QGroupBox* wrapInGroup(const char* title, const char* name, QWidget* child, QWidget* parent) {
    auto* group = new QGroupBox(QLatin1String(title), parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(child);
    return group;
}

// The buttons of one column, top to bottom, in a layout of their own.
QVBoxLayout* buttonColumn(TForm1* form, const ButtonDef* first, const ButtonDef* last,
                          QWidget* parent) {
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    for (const ButtonDef* b = first; b != last; ++b) {
        auto* button = new QPushButton(QLatin1String(b->caption), parent);
        button->setObjectName(QLatin1String(b->name));
        button->setToolTip(QLatin1String(b->hint));
        button->setFixedSize(kColumnButtonWidth, kButtonHeight);
        button->setAutoDefault(false);
        form->*(b->slot) = button;
        column->addWidget(button);
    }
    column->addStretch(1);
    return column;
}

}  // namespace

TForm1::TForm1(QString appDir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      AppDir(std::move(appDir)),
      NMFTP1(new FtpClient(this)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sorrel's FTP"));
    NMFTP1->setObjectName(QStringLiteral("NMFTP1"));
    // The small face of the original window, so that the fixed layout holds its texts.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    setFixedSize(kClientWidth, kClientHeight);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);
    buildCommandBar();
    top->addWidget(Panel1);
    auto* panes = new QHBoxLayout;
    panes->setSpacing(0);
    buildLocalPane();
    buildRemotePane();
    panes->addWidget(PnlLocal, 1);
    panes->addWidget(PnlRemote, 1);
    top->addLayout(panes, 1);
    buildStatusPane();
    top->addWidget(PnlStatus);

    AboutBox = new TAboutBox(this);
    AboutBox->hide();
    connectHandlers();
    updateButtons();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TForm1::~TForm1() {
    // The component logs out (QUIT) when it goes; its events find no window any more.
    NMFTP1->disconnect(this);
}

void TForm1::buildCommandBar() {
    Panel1 = makePanel("Panel1", this);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(4, 4, 4, 4);
    bar->setSpacing(4);
    for (const ButtonDef& b : kBarButtons) {
        auto* button = new QPushButton(QLatin1String(b.caption), Panel1);
        button->setObjectName(QLatin1String(b.name));
        button->setFixedHeight(kButtonHeight + 2);
        button->setAutoDefault(false);
        this->*(b.slot) = button;
        bar->addWidget(button);
    }
    bar->addStretch(1);
}

void TForm1::buildLocalPane() {
    PnlLocal = makePanel("PnlLocal", this);
    auto* pane = new QVBoxLayout(PnlLocal);
    pane->setContentsMargins(4, 2, 4, 4);
    pane->setSpacing(2);
    auto* caption = new QLabel(QStringLiteral("Local"), PnlLocal);
    caption->setObjectName(QStringLiteral("LblLocal"));
    pane->addWidget(caption);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    auto* controls = new QVBoxLayout;
    controls->setSpacing(3);
    DriveComboBox1 = new wf::DriveComboBox(PnlLocal);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    DirectoryListBox1 = new wf::DirectoryListBox(PnlLocal);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    FilterComboBox1 = new wf::FilterComboBox(PnlLocal);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    FilterComboBox1->setFilters({
        {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")},
        {QStringLiteral("HTML Files (*.html;*.htm)"), QStringLiteral("*.html;*.htm")},
        {QStringLiteral("Graphics Files"), QStringLiteral("*.jpg;*.gif;*.png")},
    });
    FileListBox1 = new wf::FileListBox(PnlLocal);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setMultiSelect(true);
    wf::linkFileControls(DriveComboBox1, DirectoryListBox1, FilterComboBox1, FileListBox1);
    controls->addWidget(DriveComboBox1);
    controls->addWidget(DirectoryListBox1, 1);
    controls->addWidget(FilterComboBox1);
    controls->addWidget(FileListBox1, 1);
    body->addLayout(controls, 1);
    body->addLayout(
        buttonColumn(this, std::begin(kLocalButtons), std::end(kLocalButtons), PnlLocal));
    pane->addLayout(body, 1);
}

void TForm1::buildRemotePane() {
    PnlRemote = makePanel("PnlRemote", this);
    auto* pane = new QVBoxLayout(PnlRemote);
    pane->setContentsMargins(4, 2, 4, 4);
    pane->setSpacing(2);
    auto* caption = new QLabel(QStringLiteral("Remote"), PnlRemote);
    caption->setObjectName(QStringLiteral("LblRemote"));
    pane->addWidget(caption);

    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    body->addLayout(
        buttonColumn(this, std::begin(kRemoteButtons), std::end(kRemoteButtons), PnlRemote));
    auto* groups = new QVBoxLayout;
    groups->setSpacing(2);
    EditCurrentDir = new QLineEdit(PnlRemote);
    EditCurrentDir->setObjectName(QStringLiteral("EditCurrentDir"));
    EditCurrentDir->setReadOnly(true);
    LbDirRemote = makeList("LbDirRemote", QAbstractItemView::SingleSelection, PnlRemote);
    LbFileRemote = makeList("LbFileRemote", QAbstractItemView::ExtendedSelection, PnlRemote);
    groups->addWidget(wrapInGroup("Current Directory", "GroupBox1", EditCurrentDir, PnlRemote));
    groups->addWidget(wrapInGroup("Sub Directories", "GroupBox2", LbDirRemote, PnlRemote), 1);
    groups->addWidget(wrapInGroup("Files", "GroupBox3", LbFileRemote, PnlRemote), 1);
    body->addLayout(groups, 1);
    pane->addLayout(body, 1);
}

void TForm1::buildStatusPane() {
    PnlStatus = makePanel("PnlStatus", this);
    auto* pane = new QHBoxLayout(PnlStatus);
    pane->setContentsMargins(4, 4, 4, 4);
    Memo1 = new QPlainTextEdit(PnlStatus);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette silver = Memo1->palette();
    silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    Memo1->setPalette(silver);
    // About three lines of the log.
    const int lines = 3 * Memo1->fontMetrics().lineSpacing();
    Memo1->setFixedHeight(lines + 2 * Memo1->frameWidth() + 8);
    pane->addWidget(Memo1);
    MemoAttrib = makeColumnMemo("MemoAttrib", PnlStatus);
    MemoName = makeColumnMemo("MemoName", PnlStatus);
}

void TForm1::connectHandlers() {
    auto click = [this](QPushButton* button, void (TForm1::*handler)()) {
        connect(button, &QPushButton::clicked, this, handler);
    };
    click(BtnConnect, &TForm1::BtnConnectClick);
    click(BtnDisconnect, &TForm1::BtnDisconnectClick);
    click(btnHelp, &TForm1::btnHelpClick);
    click(btnAbout, &TForm1::btnAboutClick);
    click(btnQuit, &TForm1::btnQuitClick);
    click(BtnChDirLocal, &TForm1::BtnChDirLocalClick);
    click(BtnMakeDirLocal, &TForm1::BtnMakeDirLocalClick);
    click(BtnDeleteLocal, &TForm1::BtnDeleteLocalClick);
    click(BtnRenameLocal, &TForm1::BtnRenameLocalClick);
    click(btnRefreshLocal, &TForm1::btnRefreshLocalClick);
    click(BtnXferLocal, &TForm1::BtnXferLocalClick);
    click(BtnChDirRemote, &TForm1::BtnChDirRemoteClick);
    click(btnMakeDirRemote, &TForm1::btnMakeDirRemoteClick);
    click(btnDeleteRemote, &TForm1::btnDeleteRemoteClick);
    click(btnRenameRemote, &TForm1::btnRenameRemoteClick);
    click(BtnRefreshRemote, &TForm1::BtnRefreshRemoteClick);
    click(btnXferRemote, &TForm1::btnXferRemoteClick);

    connect(LbDirRemote, &QListWidget::itemClicked, this, &TForm1::LbDirRemoteClick);
    connect(LbDirRemote, &QListWidget::itemDoubleClicked, this, &TForm1::BtnChDirRemoteClick);
    connect(LbFileRemote, &QListWidget::itemClicked, this, &TForm1::LbFileRemoteClick);
    connect(FileListBox1, &wf::FileListBox::fileClicked, this, &TForm1::FileListBox1Click);
    connect(DirectoryListBox1, &wf::DirectoryListBox::entryClicked, this,
            &TForm1::DirectoryListBox1Click);
    connect(DriveComboBox1, &wf::DriveComboBox::driveChanged, this, &TForm1::DriveComboBox1Click);

    connect(NMFTP1, &FtpClient::onConnect, this, &TForm1::NMFTP1Connect);
    connect(NMFTP1, &FtpClient::onDisconnect, this, &TForm1::NMFTP1Disconnect);
    connect(NMFTP1, &FtpClient::onStatus, this, &TForm1::NMFTP1Status);
    connect(NMFTP1, &FtpClient::onSuccess, this, &TForm1::NMFTP1Success);
    connect(NMFTP1, &FtpClient::onFailure, this, &TForm1::NMFTP1Failure);
    connect(NMFTP1, &FtpClient::onConnectionFailed, this, &TForm1::NMFTP1ConnectionFailed);
    connect(NMFTP1, &FtpClient::onInvalidHost, this, &TForm1::NMFTP1InvalidHost);
    connect(NMFTP1, &FtpClient::onPacketSent, this, &TForm1::NMFTP1PacketSent);
    connect(NMFTP1, &FtpClient::onPacketRecvd, this, &TForm1::NMFTP1PacketRecvd);
}

// --- states ---

void TForm1::updateButtons() {
    const bool idle = !busy_;
    BtnConnect->setEnabled(!loggedIn_ && idle);
    // Disconnect stays live during a command: it ends the command first.
    BtnDisconnect->setEnabled(loggedIn_);
    for (QPushButton* b :
         {BtnChDirRemote, btnMakeDirRemote, btnDeleteRemote, btnRenameRemote, BtnRefreshRemote})
        b->setEnabled(loggedIn_ && idle);
    BtnXferLocal->setEnabled(uploadOn_ && idle);
    btnXferRemote->setEnabled(downloadOn_ && idle);
}

void TForm1::setUploadEnabled(bool on) {
    uploadOn_ = on;
    updateButtons();
}

void TForm1::setDownloadEnabled(bool on) {
    downloadOn_ = on;
    updateButtons();
}

void TForm1::runCommand(const std::function<void()>& command) {
    if (busy_) return;  // another FTP command is still running
    busy_ = true;
    userAbort_ = false;
    updateButtons();
    wf::runGuarded([&] {
        try {
            command();
        } catch (const FtpError& e) {
            // The user asked for the end: Disconnect or Quit needs no error box.
            const bool userEnd = userAbort_ && (e.reason() == FtpError::Reason::Aborted ||
                                                e.reason() == FtpError::Reason::NotConnected ||
                                                e.reason() == FtpError::Reason::Closed);
            if (!userEnd) throw;
        }
    });
    busy_ = false;
    updateButtons();
}

void TForm1::log(const QString& line) {
    Memo1->appendPlainText(line);
}

// --- command bar ---

void TForm1::BtnDisconnectClick() {
    userAbort_ = true;
    // disconnectHost ends a transfer in progress (ABOR) before it logs out.
    wf::runGuarded([this] { NMFTP1->disconnectHost(); });
}

void TForm1::btnQuitClick() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    userAbort_ = true;
    // As Disconnect: a transfer in progress is aborted, then QUIT.
    wf::runGuarded([this] { NMFTP1->disconnectHost(); });
    if (helpWindow_) helpWindow_->close();
    event->accept();
}

void TForm1::btnHelpClick() {
    if (!helpWindow_) helpWindow_ = new wf::HelpWindow(this);
    helpWindow_->showFile(AppDir + QStringLiteral("sorrelxfer.hlp"));
}

void TForm1::btnAboutClick() {
    wf::prompter().execDialog(*AboutBox);
}

}  // namespace sorxfer

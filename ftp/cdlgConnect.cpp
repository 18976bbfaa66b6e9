// TDlgConnect: controls, profile list and the handlers of the connect dialog.
#include "ftp/cdlgConnect.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>

#include "ftp/FolderEdit.h"
#include "platform/ui/ErrorHandler.h"

namespace sorxfer {

namespace {

// The password box shows every character as "*", whatever the desktop's style would use.
class StarPasswordStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Geometry of the dialog, client area 313 x 214: a framed group with the fields and the
// button column, OK and Cancel centred below it.
constexpr int kClientWidth = 313;
constexpr int kClientHeight = 214;
constexpr int kLabelX = 8, kLabelWidth = 90;
constexpr int kFieldX = 100, kFieldWidth = 122;
constexpr int kColumnX = 228, kColumnWidth = 61;
constexpr int kRowTop = 18, kRowStep = 25, kRowHeight = 22;
constexpr int kButtonWidth = 75, kButtonHeight = 25, kButtonGap = 8;

int rowY(int row) {
    return kRowTop + row * kRowStep;
}

}  // namespace

TDlgConnect::TDlgConnect(const QString& appDir, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), store_(appDir) {
    setObjectName(QStringLiteral("DlgConnect"));
    setWindowTitle(QStringLiteral("Connect"));
    buildControls();
    FormCreate();
}

TDlgConnect::~TDlgConnect() {
    // A refused write is shown; the dialog goes all the same.
    wf::runGuarded([this] { FormDestroy(); });
}

void TDlgConnect::buildControls() {
    setFixedSize(kClientWidth, kClientHeight);
    // The small dialog font of the original, so that the labels fit the fixed layout.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    group_ = new QGroupBox(this);
    group_->setObjectName(QStringLiteral("GroupBox1"));
    const int groupHeight = rowY(6) + 4;
    group_->setGeometry(8, 2, kClientWidth - 16, groupHeight);

    auto label = [this](const char* text, int row, QWidget* buddy) {
        auto* l = new QLabel(QString::fromLatin1(text), group_);
        l->setGeometry(kLabelX, rowY(row), kLabelWidth, kRowHeight);
        l->setBuddy(buddy);
        return l;
    };
    auto place = [](QWidget* w, int row) {
        w->setGeometry(kFieldX, rowY(row), kFieldWidth, kRowHeight);
    };

    CBProfile = new QComboBox(group_);
    CBProfile->setObjectName(QStringLiteral("CBProfile"));
    CBProfile->setEditable(true);
    CBProfile->setInsertPolicy(QComboBox::NoInsert);  // the list changes on Save and Delete only
    place(CBProfile, 0);
    EditHostName = new QLineEdit(group_);
    EditHostName->setObjectName(QStringLiteral("EditHostName"));
    place(EditHostName, 1);
    EditUserID = new QLineEdit(group_);
    EditUserID->setObjectName(QStringLiteral("EditUserID"));
    place(EditUserID, 2);
    EditPassword = new QLineEdit(group_);
    EditPassword->setObjectName(QStringLiteral("EditPassword"));
    auto* stars = new StarPasswordStyle;
    stars->setParent(EditPassword);
    EditPassword->setStyle(stars);
    EditPassword->setEchoMode(QLineEdit::Password);
    place(EditPassword, 3);
    DirectoryEdit1 = new FolderEdit(group_);
    DirectoryEdit1->setObjectName(QStringLiteral("DirectoryEdit1"));
    place(DirectoryEdit1, 4);
    cbPassive = new QCheckBox(QStringLiteral("Passive mode"), group_);
    cbPassive->setObjectName(QStringLiteral("cbPassive"));
    cbPassive->setGeometry(kFieldX, rowY(5), kFieldWidth, kRowHeight);

    label("Profile Name:", 0, CBProfile);
    label("Host Name:", 1, EditHostName);
    label("User ID:", 2, EditUserID);
    label("Password:", 3, EditPassword);
    label("Local Directory:", 4, DirectoryEdit1);

    auto columnButton = [this](const char* name, const char* caption, int row) {
        auto* b = new QPushButton(QString::fromLatin1(caption), group_);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setGeometry(kColumnX, rowY(row) - 1, kColumnWidth, kRowHeight + 2);
        return b;
    };
    btnSave = columnButton("btnSave", "Save", 0);
    btnDelete = columnButton("btnDelete", "Delete", 2);
    btnNew = columnButton("btnNew", "New", 4);

    const int buttonsY = 2 + groupHeight + (kClientHeight - 2 - groupHeight - kButtonHeight) / 2;
    const int buttonsX = (kClientWidth - 2 * kButtonWidth - kButtonGap) / 2;
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    OKBtn->setGeometry(buttonsX, buttonsY, kButtonWidth, kButtonHeight);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setAutoDefault(false);
    CancelBtn->setGeometry(buttonsX + kButtonWidth + kButtonGap, buttonsY, kButtonWidth,
                           kButtonHeight);

    // Tab order: the fields from top to bottom, OK, Cancel, then the column.
    QWidget* order[] = {CBProfile,      EditHostName, EditUserID, EditPassword,
                        DirectoryEdit1, cbPassive,    OKBtn,      CancelBtn,
                        btnSave,        btnDelete,    btnNew};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(CBProfile, &QComboBox::activated, this,
            [this] { wf::runGuarded([this] { CBProfileClick(); }); });
    connect(btnSave, &QPushButton::clicked, this,
            [this] { wf::runGuarded([this] { btnSaveClick(); }); });
    connect(btnDelete, &QPushButton::clicked, this,
            [this] { wf::runGuarded([this] { btnDeleteClick(); }); });
    connect(btnNew, &QPushButton::clicked, this, [this] { btnNewClick(); });
    connect(DirectoryEdit1, &FolderEdit::textChanged, this, [this] { DirectoryEdit1Change(); });

    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

QString TDlgConnect::hostName() const {
    return EditHostName->text();
}
QString TDlgConnect::userID() const {
    return EditUserID->text();
}
QString TDlgConnect::password() const {
    return EditPassword->text();
}
QString TDlgConnect::directory() const {
    return DirectoryEdit1->text();
}
bool TDlgConnect::passive() const {
    return cbPassive->isChecked();
}

ConnectValues TDlgConnect::values() const {
    ConnectValues v;
    v.profile = CBProfile->currentText();
    v.host = hostName();
    v.userID = userID();
    v.password = password();
    v.directory = directory();
    v.passive = passive();
    return v;
}

void TDlgConnect::showValues(const ConnectValues& v, bool withProfile) {
    if (withProfile) CBProfile->setEditText(v.profile);
    EditHostName->setText(v.host);
    EditUserID->setText(v.userID);
    EditPassword->setText(v.password);
    DirectoryEdit1->setText(v.directory);
    cbPassive->setChecked(v.passive);
}

void TDlgConnect::fillProfileList() {
    const QString typed = CBProfile->currentText();
    CBProfile->clear();
    CBProfile->addItems(store_.profileNames());
    // Filling the list must not put its first entry in the box.
    CBProfile->setCurrentIndex(-1);
    CBProfile->setEditText(typed);
}

void TDlgConnect::FormCreate() {
    fillProfileList();
    showValues(store_.loadLast(), true);
}

void TDlgConnect::CBProfileClick() {
    showValues(store_.loadProfile(CBProfile->currentText()), false);
}

void TDlgConnect::btnSaveClick() {
    const ConnectValues v = values();
    store_.saveProfile(v);
    // The name is added to the list even when it is there already; the list stays sorted.
    QStringList items;
    for (int i = 0; i < CBProfile->count(); ++i) items << CBProfile->itemText(i);
    CBProfile->insertItem(static_cast<int>(sortedInsertPosition(items, v.profile)), v.profile);
    CBProfile->setCurrentIndex(-1);
    CBProfile->setEditText(v.profile);
}

void TDlgConnect::btnDeleteClick() {
    store_.deleteProfile(CBProfile->currentText());
    CBProfile->setEditText(QString());
    fillProfileList();
    showValues(ConnectValues(), true);
}

void TDlgConnect::btnNewClick() {
    showValues(ConnectValues(), true);
    CBProfile->setFocus();
}

void TDlgConnect::DirectoryEdit1Change() {
    // A path longer than the box can be read in full in its tooltip.
    DirectoryEdit1->setToolTip(DirectoryEdit1->text());
    DirectoryEdit1->lineEdit()->setToolTip(DirectoryEdit1->text());
    DirectoryEdit1->setAttribute(Qt::WA_AlwaysShowToolTips, true);
}

void TDlgConnect::FormDestroy() {
    store_.saveLast(values());
}

}  // namespace sorxfer

#include "ui/mainwindow/dialogs/PreferencesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr SiteAddress kSites[] = {SiteAddress::Service, SiteAddress::Backgrounds};

// The field's text: the kept address, or empty for the build's.
QString ShownAddress(SiteAddress site) {
    if (QString fixed = AddressFromEnvironment(site); !fixed.isEmpty())
        return fixed;
    return StoredAddress(site);
}

} // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("preferencesDialog"));
    setWindowTitle(tr("Preferences"));
    // Only a close button: no window manager offers to shrink or widen it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    mService = MakeField(SiteAddress::Service);
    mBackgrounds = MakeField(SiteAddress::Backgrounds);
    form->addRow(tr("Print &service address:"), mService.input);
    form->addRow(QString(), mService.problem);
    form->addRow(QString(), mService.note);
    form->addRow(tr("&Background site address:"), mBackgrounds.input);
    form->addRow(QString(), mBackgrounds.problem);
    form->addRow(QString(), mBackgrounds.note);
    auto* hint = new QLabel(tr("Leave a field empty to use the address the program came with."));
    hint->setWordWrap(true);

    mButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                                    QDialogButtonBox::RestoreDefaults);
    connect(mButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(mButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mButtons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            &PreferencesDialog::RestoreDefaults);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addStretch();
    layout->addWidget(mButtons);
    Check();
    resize(560, sizeHint().height());
}

PreferencesDialog::Field PreferencesDialog::MakeField(SiteAddress site) {
    Field field;
    field.input = new QLineEdit(ShownAddress(site));
    field.input->setObjectName(site == SiteAddress::Service ? QStringLiteral("serviceAddress")
                                                            : QStringLiteral("backgroundAddress"));
    field.input->setPlaceholderText(BuiltInAddress(site));
    field.input->setClearButtonEnabled(true);
    field.problem = new QLabel;
    field.problem->setWordWrap(false); // one short line
    field.problem->setStyleSheet(QStringLiteral("color: #b00020"));
    field.note = new QLabel;
    field.note->setObjectName(field.input->objectName() + QStringLiteral("Note"));
    field.note->setWordWrap(true);
    field.note->setVisible(false);
    if (!AddressFromEnvironment(site).isEmpty()) {
        field.input->setReadOnly(true);
        field.input->setClearButtonEnabled(false);
        const QString text =
            tr("Set for this run by the environment variable %1; it can only be "
               "changed there.")
                .arg(site == SiteAddress::Service ? QStringLiteral("LUMBRA_SERVICE_URL")
                                                  : QStringLiteral("LUMBRA_BACKGROUND_URL"));
        field.input->setToolTip(text);
        field.note->setText(text);
        field.note->setVisible(true);
    }
    connect(field.input, &QLineEdit::textChanged, this, &PreferencesDialog::Check);
    return field;
}

const PreferencesDialog::Field& PreferencesDialog::FieldOf(SiteAddress site) const {
    return site == SiteAddress::Service ? mService : mBackgrounds;
}

QLineEdit* PreferencesDialog::AddressInput(SiteAddress site) const { return FieldOf(site).input; }

QLabel* PreferencesDialog::AddressProblem(SiteAddress site) const { return FieldOf(site).problem; }

void PreferencesDialog::Check() {
    bool allOk = true;
    for (const SiteAddress site : kSites) {
        const Field& field = FieldOf(site);
        const QString text = field.input->text().trimmed();
        const AddressCheck check = CheckSiteAddress(site, text);
        const bool ok = text.isEmpty() || check.Ok();
        field.problem->setText(ok ? QString() : check.problem);
        field.problem->setVisible(!ok);
        allOk = allOk && ok;
    }
    if (QPushButton* okButton = mButtons ? mButtons->button(QDialogButtonBox::Ok) : nullptr)
        okButton->setEnabled(allOk);
}

void PreferencesDialog::RestoreDefaults() {
    for (const SiteAddress site : kSites)
        if (!FieldOf(site).input->isReadOnly())
            FieldOf(site).input->clear();
}

void PreferencesDialog::accept() {
    for (const SiteAddress site : kSites) {
        const Field& field = FieldOf(site);
        if (field.input->isReadOnly())
            continue;
        const QString text = field.input->text().trimmed();
        if (!text.isEmpty() && !CheckSiteAddress(site, text).Ok())
            return; // OK is disabled then; Enter in a field must not pass either
        StoreAddress(site, text);
    }
    QDialog::accept();
}

void OpenPreferences(QWidget* parent) {
    auto* dialog = new PreferencesDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

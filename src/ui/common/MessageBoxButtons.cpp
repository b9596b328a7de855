#include "ui/common/MessageBoxButtons.h"

#include "base/Constants.h"

#include <QAbstractButton>
#include <QMessageBox>

void NameStandardButtons(QMessageBox& box, const Constants& strings) {
    static constexpr struct {
        QMessageBox::StandardButton button;
        const char16_t* key;
    } kNames[] = {
        {QMessageBox::Yes, u"cYes"},
        {QMessageBox::No, u"cNo"},
        {QMessageBox::Ok, u"cOkayButton"},
        {QMessageBox::Cancel, u"cCancel"},
        {QMessageBox::Close, u"cCloseCaption"},
    };
    for (const auto& [button, key] : kNames) {
        QAbstractButton* shown = box.button(button);
        const QString text = strings.Text(key);
        if (shown && !text.isEmpty())
            shown->setText(text);
    }
}

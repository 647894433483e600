#include "ShowFontDialog.h"

#include "DialogsInReach.h"
#include "FontDialog.h"

namespace tavrio {

std::optional<FontSpec> ShowFontDialog(QWidget& owner, const FontSpec& spec,
                                       const std::optional<QRect>& keptClear) {
    FontDialog dialog(spec, &owner);
    dialog.setWindowModality(Qt::WindowModal);
    placeDialogInReach(dialog, owner, keptClear);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

} // namespace tavrio

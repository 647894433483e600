#include "ShowFontDialog.h"

#include "FontDialog.h"

namespace tavrio {

std::optional<FontSpec> ShowFontDialog(QWidget& owner, const FontSpec& spec) {
    FontDialog dialog(spec, &owner);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

} // namespace tavrio

#include "ShowFontDialog.h"

#include "FontDialog.h"
#include "OpenBeside.h"

namespace tavrio {

std::optional<FontSpec> ShowFontDialog(QWidget& owner, const FontSpec& spec,
                                       const std::optional<QRect>& keptClear) {
    FontDialog dialog(spec, &owner);
    dialog.setWindowModality(Qt::WindowModal);
    keptAboveAs(dialog, &owner);
    dialog.resize(dialog.sizeHint());
    // Where the dialog would open on its own: centred over its owner.
    const QPoint centred = owner.frameGeometry().center() - dialog.rect().center();
    openBeside(dialog, centred, keptClear, &owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.chosen();
}

} // namespace tavrio

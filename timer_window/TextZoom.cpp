#include "TextZoom.h"

#include "Conversions.h"
#include "DisplayLabel.h"
#include "FontSpec.h"
#include "KeyRead.h"
#include "Program.h"
#include "TimerWindowPlacement.h"

#include <QWheelEvent>

#include <cstdlib>
#include <utility>

namespace tavrio {

TextZoom::TextZoom(DisplayLabel& label, TimerWindowPlacement& placement, Program& program,
                   std::string group)
    : label_(label)
    , placement_(placement)
    , program_(program)
    , group_(std::move(group)) {
    stopped_.setSingleShot(true);
    stopped_.setInterval(kStoppedAfterMs);
    connect(&stopped_, &QTimer::timeout, this, &TextZoom::storeNow);
}

// Qt gives every wheel and touchpad its turn in eighths of a degree, a touchpad's pixels
// converted; the pixels themselves are given on some systems only.
bool TextZoom::wheel(const QWheelEvent& event) {
    if (!event.modifiers().testFlag(Qt::ControlModifier)) {
        return false;
    }
    // A touchpad's glide after the fingers have left it would go on sizing the text.
    if (event.phase() == Qt::ScrollMomentum) {
        return true;
    }
    if (event.phase() == Qt::ScrollBegin) {
        wheelSteps_.reset();
    }
    step(wheelSteps_.take(event.angleDelta().y()));
    return true;
}

void TextZoom::step(int steps) {
    for (int taken = 0; taken < std::abs(steps); ++taken) {
        const std::optional<int> size = zoomedFontSize(label_.FontSize(), steps > 0);
        if (!size || !show(*size)) {
            return;
        }
    }
}

void TextZoom::backToChosenSize() {
    const int chosen = chosenSize();
    if (wholePoints(label_.FontSize()) != chosen) {
        show(chosen);
    }
}

void TextZoom::fontChosen(int points) {
    // Read first: the key is written here only where the store holds it already.
    chosenSize();
    chosen_ = points;
    if (chosenStored_) {
        program_.writer.save(group_, Key::tvChosenSize, integerText(points));
    }
}

void TextZoom::storeNow() {
    stopped_.stop();
    if (!unstored_) {
        return;
    }
    unstored_ = false;
    wheelSteps_.reset();
    if (const std::optional<std::int16_t> size = wholePoints(label_.FontSize())) {
        program_.writer.save(group_, Key::FontSize, integerText(*size));
    }
    placement_.storeSize();
    if (!chosenStored_) {
        program_.writer.save(group_, Key::tvChosenSize, integerText(chosenSize()));
        chosenStored_ = true;
    }
}

int TextZoom::chosenSize() {
    if (!chosen_) {
        const auto stored = readKey<Key::tvChosenSize>(program_.store, group_, program_.regional);
        chosenStored_ = stored.value.has_value();
        chosen_ = stored.value ? *stored.value : wholePoints(label_.FontSize()).value_or(0);
    }
    return *chosen_;
}

bool TextZoom::show(int points) {
    chosenSize();
    const float before = label_.FontSize();
    if (!label_.setFontSize(static_cast<float>(points))) {
        return false;
    }
    const QSize client = label_.wholeTextClient();
    if (points > before && !placement_.fitsAboutCentre(client)) {
        label_.setFontSize(before);
        return false;
    }
    placement_.resizeAboutCentre(client, true);
    label_.centre();
    unstored_ = true;
    stopped_.start();
    return true;
}

} // namespace tavrio

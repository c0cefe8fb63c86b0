#include "wizard/PageSliders.h"

#include "params/Orvex.h"
#include "widgets/ControlNaming.h"
#include "widgets/DataExchange.h"
#include "widgets/DialogUnits.h"
#include "widgets/Skin.h"
#include "widgets/ValueSlider.h"
#include "wizard/CWizardPage.h"
#include "wizard/PageParts.h"
#include "wizard/WizardPages.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <vector>

namespace {
constexpr int kEditW = 30, kEditH = 14;
constexpr int kScaleW = 18;  // dialog units

// The ConfigValues entry and the device byte behind it, then the whole image to the unit.
void StoreAndSend(Orvex& orvex, CV name, int value) {
    orvex.config[name] = static_cast<int8_t>(value);
    *BytePtr(orvex.image, Def(name).device) = static_cast<int8_t>(value);
    SendParameters(orvex);
}
}  // namespace

namespace PageSliders {

ValueSlider* Add(CWizardPage* page, const PageSliderDef& def) {
    Orvex& orvex = page->orvex();
    const ValueSlider::Policy policy{
        .moved = [&orvex, def](int value) { orvex.config[def.name] = static_cast<int8_t>(value); },
        .send =
            [&orvex, def](int value) {
                qCDebug(lcWizard) << Label(def.name) << "released at" << value;
                StoreAndSend(orvex, def.name, value);
            },
        .entered =
            [&orvex, def](int value) {
                qCDebug(lcWizard) << Label(def.name) << "entered as" << value;
                StoreAndSend(orvex, def.name, value);
            },
        .read = {}};
    auto* slider = new ValueSlider(page, def.sliderId, def.editId, QString::fromLatin1(Label(def.name)), policy);
    MarkValueControl(slider, ByteOf(def.name).name);
    MarkValueControl(slider->edit(), ByteOf(def.name).name);
    slider->setGeometry(DluRect(def.x, def.y, def.w, def.h));
    slider->edit()->setGeometry(DluRect(def.editX, def.editY, kEditW, kEditH));
    const ByteDef& range = ByteOf(def.name);
    std::vector<int> scale;
    for (int v = range.high; v >= range.low; v -= def.tickFrequency) scale.push_back(v);
    slider->SetScale(scale, kScaleW);
    slider->ShowNumber(orvex.config[def.name]);
    return slider;
}

void Initialise(ValueSlider* slider, const PageSliderDef& def) {
    const ByteDef& range = ByteOf(def.name);
    slider->SetRange(range.low, range.high, def.tickFrequency);
    Skin::SkinControl(slider, Skin::Style::Slider, 5, 1, 0, 0, 0);
    // The page's static over the slider is its label for assistive tools.
    Retranslate(slider, def);
    QWidget* page = slider->parentWidget();
    const QString caption = QCoreApplication::translate(page->metaObject()->className(), def.caption);
    for (QLabel* label : page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->text() == caption) LabelFor(label, slider);
    DataExchange::WriteInt(slider->edit(), slider->number());
    slider->PlaceScale();
}

void Retranslate(ValueSlider* slider, const PageSliderDef& def) {
    const QString name = PageParts::LabelText(def.name);
    slider->setAccessibleName(name);
    slider->edit()->setAccessibleName(QCoreApplication::translate("PageSliders", "%1 value").arg(name));
}

}  // namespace PageSliders

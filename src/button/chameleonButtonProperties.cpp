#include "button/chameleonButton.h"

#include "button/DesignPropertyBag.h"
#include "settings/SettingConversions.h"

#include <cmath>

// The button's properties: as the design stores them in a property bag, and
// each one set alone, which redraws the button at once.

namespace {

// Stored values of the wrong kind count as absent.
qint32 integerFrom(const QVariant &value, qint32 absent)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) > 2147483647.0)
        return absent;
    return static_cast<qint32>(std::nearbyint(number));
}

bool truthFrom(const QVariant &value, bool absent)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return SettingConversions::truthFromText(value.toString()).value_or(absent);
}

QString textFrom(const QVariant &value)
{
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

QFont fontFrom(const QVariant &value, const QFont &absent)
{
    if (value.typeId() == QMetaType::QFont)
        return value.value<QFont>();
    QFont font;
    if (value.typeId() == QMetaType::QString && font.fromString(value.toString()))
        return font;
    return absent;
}

} // namespace

chameleonButton *chameleonButton::Place(QWidget *host, const QString &caption, const QFont &font,
                                        const QRect &geometry)
{
    DesignPropertyBag bag({{"btype", ButtonStyle::GradientRounded},
                           {"tx", caption},
                           {"enab", true},
                           {"font", font},
                           {"force", true}});
    auto *button = new chameleonButton(host);
    button->readProperties(bag);
    button->setGeometry(geometry);
    return button;
}

void chameleonButton::initProperties()
{
    mLook.Enabled = true;
    mLook.Font = font();
    mLook.ButtonType = ButtonStyle::Classic3D;
}

void chameleonButton::readProperties(PropertyBag &bag)
{
    mLook.ButtonType =
        integerFrom(bag.readProperty("BTYPE", ButtonStyle::Classic3D), ButtonStyle::Classic3D);
    mLook.Caption = textFrom(bag.readProperty("TX", QString()));
    mLook.Enabled = truthFrom(bag.readProperty("ENAB", true), true);
    mLook.Font = fontFrom(bag.readProperty("FONT", font()), font());
    mForceStandardCol = truthFrom(bag.readProperty("FORCE", false), false);
    QWidget::setEnabled(mLook.Enabled);
    setFont(mLook.Font);
    LoadPalette();
    UpdateAccessKey();
    Redraw(ButtonState::Up, true);
}

void chameleonButton::writeProperties(PropertyBag &bag) const
{
    bag.writeProperty("BTYPE", mLook.ButtonType);
    bag.writeProperty("TX", mLook.Caption);
    bag.writeProperty("ENAB", mLook.Enabled);
    bag.writeProperty("FONT", mLook.Font);
    bag.writeProperty("FORCE", mForceStandardCol);
}

// The outline keeps its shape until the next resize.
void chameleonButton::setButtonType(qint32 value)
{
    mLook.ButtonType = value;
    Redraw(ButtonState::Up, true);
    emit propertyChanged("BTYPE");
}

void chameleonButton::setCaption(const QString &value)
{
    mLook.Caption = value;
    UpdateAccessKey();
    Redraw(ButtonState::Up, true);
    emit propertyChanged("TX");
}

void chameleonButton::setButtonEnabled(bool value)
{
    mLook.Enabled = value;
    Redraw(ButtonState::Up, true);
    QWidget::setEnabled(value);
    emit propertyChanged("ENAB");
}

void chameleonButton::setButtonFont(const QFont &value)
{
    mLook.Font = value;
    setFont(value);
    Redraw(ButtonState::Up, true);
    emit propertyChanged("FONT");
}

void chameleonButton::setForceStandardCol(bool value)
{
    mForceStandardCol = value;
    LoadPalette();
    Redraw(ButtonState::Up, true);
    emit propertyChanged("FORCE");
}

void chameleonButton::setDisplayAsDefault(bool value)
{
    mLook.displayAsDefault = value;
    UserControl_AmbientChanged("DisplayAsDefault");
}

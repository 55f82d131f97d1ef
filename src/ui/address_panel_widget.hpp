// The address panel's widgets: the fields of a frame::AddressPanel laid out as a postal address
// (complements, street, BP, postcode and town, country, telephone) and bound to a screen view.
// The country is a SelecteurPays; the rules are the panel's, run by the screen.
#pragma once

#include "frame/screens/address_panel.hpp"
#include "ui/screen_view.hpp"

#include <QGroupBox>

namespace kvarn::ui {

class AddressPanelWidget final : public QGroupBox {
public:
    AddressPanelWidget(const QString& title, const frame::AddressPanel& panel, ScreenView& view, QWidget* parent = nullptr);
};

}  // namespace kvarn::ui

// The contract every screen of the module follows, without any widget.
//
// A screen holds its fields (name, label, value, state, width, choices), loads them when it is
// activated, runs its field rules after each user entry (Edit), checks on leaving in a fixed order
// and, at the first check that fails, shows that check's message through the host's boxes and
// names the field that gets the focus; it saves on deactivation, which the caller runs only after
// Leave accepted. The Qt views (src/ui) bind one widget per field and feed grids from row models
// (row_model.hpp); they add nothing but presentation. Field names are kebab-case French
// ("pseudo-siret-n"); a list field's value is the text of one of its choices, or empty; a check
// box's value is "oui" or "non".
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvarn::frame {

struct Field {
    std::string name{};
    std::string label{};
    std::string value{};
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    int width = 0;                     // the characters an entry keeps; 0: no limit
    std::vector<std::string> choices{};  // a list field's items; empty for a text field
};

class Screen {
public:
    Screen() = default;
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    virtual void Activate() = 0;                     // load
    virtual std::optional<std::string> Leave() = 0;  // checks in order; the field to focus, if refused
    virtual void Deactivate() = 0;                   // save, only after Leave accepted

    const std::vector<Field>& Fields() const { return fields_; }
    // The field of that name; std::out_of_range when the screen has none.
    const Field& GetField(std::string_view name) const;
    // A user entry: the text, cut to the field's width, becomes the field's value, then the
    // screen's rules for that field run. A field the user cannot type into (disabled, hidden or
    // read-only) refuses the entry with std::logic_error: the view never offers it.
    void Edit(std::string_view field, std::string text);
    // The field the screen asks to have the focus after the last entry; empty: where it is.
    const std::string& Focus() const { return focus_; }

protected:
    // Fields are declared once, in display order, by the screen's constructor.
    void Declare(Field field);
    Field& FieldRef(std::string_view name);
    void SetValue(std::string_view name, std::string value) { FieldRef(name).value = std::move(value); }
    const std::string& Value(std::string_view name) const { return GetField(name).value; }
    void SetFocus(std::string focus) { focus_ = std::move(focus); }
    // The screen's rules after an entry into `field`, whose value was `before`.
    virtual void Edited(Field& field, const std::string& before);

private:
    std::vector<Field> fields_;
    std::string focus_;
};

}  // namespace kvarn::frame

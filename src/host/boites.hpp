// The host's message boxes and exception box.
//
// Every message the module shows the user goes through these modal boxes: error, warning,
// information, yes/no question, OK/cancel, and a plain box with an icon. The exception box shows a
// caught error with its location code, a 32-bit number made of the source unit times 65536 plus
// the place within the unit, shown "unit:place". The host installs the implementation (console,
// dialogs, or a scripted one in tests); without one, the boxes write to stderr and questions
// answer no.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace kvarn::host {

// The flag that makes the second button the default of a question or OK/cancel box.
inline constexpr int kDeuxiemeBoutonParDefaut = 256;
// The warning icon of ZORMsgBox.
inline constexpr int kIconeAttention = 48;

enum class TypeBoite { Erreur, Attention, Information, Question, OkAnnuler, MsgBox, Exception };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a box; the result is the user's yes/OK for a question or OK/cancel box, true otherwise.
    virtual bool Show(TypeBoite type, const std::string& texte, const std::string& titre, int drapeaux) = 0;
};

void ZORErreur(const std::string& texte);
void ZORAttention(const std::string& texte);
void ZORInformation(const std::string& texte);
bool ZORQuestion(const std::string& texte, const std::string& titre, int drapeaux = 0);
bool ZOROkAnnuler(const std::string& texte, const std::string& titre, int drapeaux = 0);
void ZORMsgBox(const std::string& texte, const std::string& titre, int icone);
void ZORDisplayException(std::uint32_t codeLocalisation, const std::exception& erreur,
                         const void* module = nullptr);

// The location code of a handler: its unit's number times 65536 plus its place within the unit.
constexpr std::uint32_t CodeLocalisation(std::uint32_t unite, std::uint32_t place) { return unite * 65536 + place; }
// "unit:place" of a location code.
std::string FormatLocalisation(std::uint32_t codeLocalisation);

}  // namespace kvarn::host

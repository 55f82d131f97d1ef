// The capture: every screen of the wizard, one after the other, as images, for looking at the
// window without running it by hand (documentation, reviewing a change of a view).
//
// For screens 1 to 21 in order it runs the group that shows the screen (a child screen, its
// parent's group), selects and activates the screen in a 1100×750 window (taller for a screen
// that would not hold in it, so that no image is cut) and writes OUT/ecran-NN.png; then the
// legal-category picker, opened on the dossier's stored code, as OUT/categorie-juridique.png. It
// only looks: the window works on a copy of the dossier made in the process's private temporary
// directory (holding the dossier's lock while copying), leaving a screen neither checks nor
// saves, and the boxes the screens show go to OUT/boites.txt, every question answered no. The
// dossier's own files keep their bytes.
#pragma once

#include <filesystem>
#include <ostream>

namespace kvarn::assistant {

inline constexpr int kEcransCaptures = 21;
inline constexpr const char* kImageCategorieJuridique = "categorie-juridique.png";

// 0 when the 22 images are written; 1, with the reason on `erreurs`, otherwise (a directory
// holding no dossier, a dossier in use, an image that could not be written).
int Capturer(const std::filesystem::path& dossier, const std::filesystem::path& sortie, std::ostream& erreurs);

}  // namespace kvarn::assistant

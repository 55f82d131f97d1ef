// The C entry of the standalone host: another program opens a dossier directory with
// kvarn_standalone_open, which installs the standalone host (console boxes) and creates the data
// module, and releases both with kvarn_standalone_close. A directory without a dossier record is
// refused, so that a stray directory is never taken for an old dossier.
#include "frame/etat_module.hpp"
#include "standalone/standalone_host.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

#include <iostream>
#include <memory>

namespace {

std::unique_ptr<kvarn::standalone::StandaloneHost>& HoteOuvert() {
    static std::unique_ptr<kvarn::standalone::StandaloneHost> hote;
    return hote;
}

}  // namespace

extern "C" int kvarn_standalone_open(const char* dossier_dir) {
    if (!dossier_dir || !*dossier_dir) {
        std::cerr << "kvarn : répertoire du dossier manquant\n";
        return 2;
    }
    try {
        kvarn_standalone_close();
        HoteOuvert() = kvarn::standalone::StandaloneHost::Open(dossier_dir);
        kvarn::frame::CreerDataModule();
        return 0;
    } catch (const std::exception& erreur) {
        std::cerr << "kvarn : " << erreur.what() << '\n';
        HoteOuvert().reset();
        return 1;
    }
}

extern "C" void kvarn_standalone_close(void) {
    DetruireDataModuleKV();
    HoteOuvert().reset();
}

#include "run.hpp"

#include <iostream>

namespace kvarn::cli {

int Run(const std::function<int()>& handler) {
    try {
        return handler();
    } catch (const MauvaisUsage& e) {
        std::cerr << "kvarn : " << e.what() << '\n';
        return kUsage;
    } catch (const std::exception& e) {
        std::cerr << "kvarn : " << e.what() << '\n';
        return kRefus;
    }
}

const std::string& RequireDossier(const GlobalOptions& options) {
    if (options.dossier.empty())
        throw MauvaisUsage("cette commande demande le répertoire du dossier (--dossier RÉPERTOIRE)");
    return options.dossier;
}

}  // namespace kvarn::cli

#include "run.hpp"

#include <iostream>

namespace kvarn::cli {
namespace {

bool g_exceptionMontree = false;

}  // namespace

void SignalerExceptionMontree() { g_exceptionMontree = true; }

int Run(const std::function<int()>& handler) {
    g_exceptionMontree = false;
    try {
        const int status = handler();
        return status == kSucces && g_exceptionMontree ? kRefus : status;
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

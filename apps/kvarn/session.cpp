#include "session.hpp"

#include "frame/etat_module.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

namespace kvarn::cli {
namespace {

standalone::ReponseQuestions Politique(const GlobalOptions& options) {
    if (options.oui) return standalone::ReponseQuestions::Oui;
    if (options.non) return standalone::ReponseQuestions::Non;
    return standalone::ReponseQuestions::Demander;
}

}  // namespace

ModuleOuvert::ModuleOuvert() {
    // Created here rather than through InitDataModuleKV, whose exception box would present what
    // the user can act on (a dossier in use, a damaged file) as an internal error: the refusal
    // reaches stderr as the engine words it.
    frame::CreerDataModule();
    InitKV();
}

ModuleOuvert::~ModuleOuvert() {
    DesinitKV();
    DetruireDataModuleKV();
}

void Session::OuvrirModule() {
    if (!module_) module_ = std::make_unique<ModuleOuvert>();
}

Session::Session(const GlobalOptions& options)
    : boites_(std::make_unique<standalone::BoitesConsole>(Politique(options))) {}

Session Session::WithDossier(const GlobalOptions& options) {
    Session session(options);
    session.host_ = standalone::StandaloneHost::Open(RequireDossier(options), {session.boites_.get(), nullptr, {}, {}});
    return session;
}

Session Session::WithoutDossier(const GlobalOptions& options) {
    Session session(options);
    session.host_ = standalone::StandaloneHost::WithoutDossier({session.boites_.get(), nullptr, {}, {}});
    return session;
}

}  // namespace kvarn::cli

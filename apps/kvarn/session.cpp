#include "session.hpp"

namespace kvarn::cli {
namespace {

standalone::ReponseQuestions Politique(const GlobalOptions& options) {
    if (options.oui) return standalone::ReponseQuestions::Oui;
    if (options.non) return standalone::ReponseQuestions::Non;
    return standalone::ReponseQuestions::Demander;
}

}  // namespace

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

#include "migration/ecran_correction.hpp"

namespace kvarn::migration {

bool EcranCorrection::Fermer() {
    if (ecran_.Leave()) return false;
    ecran_.Deactivate();
    repondu_ = true;
    return true;
}

bool Corriger(frame::Screen& ecran) {
    EcranCorrection correction(ecran);
    host::ZORMontrerModal(correction);
    return correction.Repondu();
}

}  // namespace kvarn::migration

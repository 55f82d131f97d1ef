#include "movements/operation_protegee.hpp"

#include "frame/etat_module.hpp"
#include "host/boites.hpp"

#include <kvarn/kvarn.h>

#include <exception>
#include <stdexcept>

namespace kvarn::movements {
namespace {

// InitKV on entry, DesinitKV on every way out.
class CrochetInitKV {
public:
    CrochetInitKV() { InitKV(); }
    ~CrochetInitKV() { DesinitKV(); }
    CrochetInitKV(const CrochetInitKV&) = delete;
    CrochetInitKV& operator=(const CrochetInitKV&) = delete;
};

bool Signaler(Place place, const std::function<void()>& operation) {
    try {
        operation();
        return true;
    } catch (const std::exception& erreur) {
        host::ZORDisplayException(CodeLocalisation(place), erreur);
        return false;
    }
}

}  // namespace

bool Proteger(Place place, store::TdmKvarn& module, const std::function<void(store::TdmKvarn&)>& operation) {
    return Signaler(place, [&] { operation(module); });
}

bool ExecuterExporte(Place place, const std::function<void(store::TdmKvarn&)>& operation) {
    const CrochetInitKV crochet;
    return Signaler(place, [&] {
        store::TdmKvarn* module = frame::DataModule();
        if (!module) throw std::logic_error("le module de données n'est pas créé (InitDataModuleKV)");
        operation(*module);
    });
}

}  // namespace kvarn::movements

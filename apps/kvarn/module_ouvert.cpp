#include "module_ouvert.hpp"

#include "frame/etat_module.hpp"
#include "run.hpp"

#include <kvarn/kvarn.h>
#include <kvarn/module.hpp>

namespace kvarn::cli {

ModuleOuvert::ModuleOuvert() {
    InitDataModuleKV();
    if (!frame::DataModule()) throw Refus("Le dossier n'a pas pu être ouvert");
    InitKV();
}

ModuleOuvert::~ModuleOuvert() {
    DesinitKV();
    DetruireDataModuleKV();
}

}  // namespace kvarn::cli

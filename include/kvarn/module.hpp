// The module's lifecycle and its table open/close functions, as C++ exports.
//
// InitDataModuleKV creates the data module for the dossier the host has open (the host must be
// installed first); DetruireDataModuleKV releases it. Between them every exported operation that
// touches the tables brackets itself with InitKV/DesinitKV (kvarn.h). The table functions raise
// their error to the caller after showing it.
#pragma once

#include <kvarn/kvarn.h>

KVARN_EXPORT void InitDataModuleKV();
KVARN_EXPORT void DetruireDataModuleKV();

KVARN_EXPORT void OuvrirTableAssociesKV();
KVARN_EXPORT void FermerTableAssociesKV();
KVARN_EXPORT void OuvrirTableDeductionsReintegrationsKV();
KVARN_EXPORT void FermerTableDeductionsReintegrationsKV();

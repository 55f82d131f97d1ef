#include <kvarn/ecrans.hpp>

CKvarn::CKvarn(TYPE_ECRAN_COMMUN type, int parametre) : type_(type), parametre_(parametre) {}

CKvarn::~CKvarn() = default;

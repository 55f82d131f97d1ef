#include "db/french_collation.hpp"

#include "common/text.hpp"
#include "db/errors.hpp"

#include <sqlite3.h>
#include <unicode/coll.h>
#include <unicode/locid.h>

#include <memory>
#include <string>

namespace kvarn::db {
namespace {

int CompareFrench(void* collator, int lengthA, const void* a, int lengthB, const void* b) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = static_cast<icu::Collator*>(collator)->compareUTF8(
        icu::StringPiece(static_cast<const char*>(a), lengthA),
        icu::StringPiece(static_cast<const char*>(b), lengthB), status);
    if (U_FAILURE(status)) return 0;
    return result == UCOL_LESS ? -1 : result == UCOL_GREATER ? 1 : 0;
}

void DestroyCollator(void* collator) { delete static_cast<icu::Collator*>(collator); }

void UpperFrench(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const std::string upper =
        ToUpperFrench(std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(argv[0]))));
    sqlite3_result_text(context, upper.data(), static_cast<int>(upper.size()), SQLITE_TRANSIENT);
}

}  // namespace

void RegisterFrenchText(sqlite3* db) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(icu::Collator::createInstance(icu::Locale("fr"), status));
    if (U_FAILURE(status) || !collator)
        throw DbError("Le classement français des textes n'est pas disponible");
    // Secondary strength: base letters, then accents; case (a tertiary difference) is ignored.
    collator->setStrength(icu::Collator::SECONDARY);
    if (sqlite3_create_collation_v2(db, FRENCH_COLLATION, SQLITE_UTF8, collator.get(), CompareFrench,
                                    DestroyCollator) != SQLITE_OK)
        throw DbError("Le classement français des textes n'a pas pu être installé");
    collator.release();
    if (sqlite3_create_function_v2(db, "KV_UPPER", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   UpperFrench, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DbError("La fonction KV_UPPER n'a pas pu être installée");
}

}  // namespace kvarn::db

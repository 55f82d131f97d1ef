// The digest of what a dossier holds, by which the undo of a closing knows whether the dossier
// changed since: the rows of the seven permanent tables and the entries of the dossier's settings
// files, folded into one 64-bit number.
//
// FNV-1a over 64 bits: the digest only tells "same content" from "changed content" against an
// accidental change, never against someone forging a collision, and FNV-1a is fixed by its
// definition (the same number on every machine, build and version), short to write and fast
// enough to walk every row. Each value goes in with its type and its length, so that ("ab", "c")
// and ("a", "bc"), or 1 and 1.0, do not meet. Rows go in key order (rowid, which is every table's
// key), reals by their exact bits. Settings files go in as their entries (section, key, value in
// file order), not their bytes: a file rewritten with the same entries is the same content.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kvarn::db {
class Connection;
}

namespace kvarn::store {

// `fichiers`: the bytes of each settings file, in a fixed order (an absent file as empty bytes).
// Reads the tables through `connexion`, inside its transaction when one is open.
std::uint64_t EmpreinteDossier(db::Connection& connexion, const std::vector<std::string>& fichiers);

}  // namespace kvarn::store

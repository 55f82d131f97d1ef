// CTable: names, declarations, opening and closing, structure operations.
#include "db/table.hpp"

#include "common/text.hpp"
#include "db/errors.hpp"
#include "db/french_collation.hpp"
#include "db/identifiers.hpp"
#include "db/session.hpp"
#include "db/structure.hpp"

#include <algorithm>

namespace kvarn::db {

std::size_t FieldNameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (char c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

bool FieldNameEqual::operator()(std::string_view a, std::string_view b) const {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

CTable::CTable(Session& session) : session_(&session), sessionName_(session.SessionName()) {}

CTable::~CTable() {
    // A component being destroyed closes without telling its handlers, whose owners may be gone.
    static_cast<DataSetEvents&>(*this) = {};
    onFilterRecord_ = {};
    Close();
    for (CDataSource* source : sources_) source->dataSet_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// Names and declarations

void CTable::RequireActive() const {
    if (!Active()) throw DbError("La table " + tableName_ + " n'est pas ouverte");
}

void CTable::RequireClosed(const char* what) const {
    if (Active())
        throw DbError(std::string("Impossible de changer ") + what + " de la table ouverte " + tableName_);
}

void CTable::SetDatabaseName(std::string_view alias) {
    RequireClosed("l'alias");
    alias_ = alias;
}

void CTable::SetSessionName(std::string_view name) {
    RequireClosed("la session");
    if (!EqualsIgnoringCase(name, session_->SessionName()))
        throw DbError("Session inconnue : « " + std::string(name) + " »");
    sessionName_ = name;
}

void CTable::SetTableName(std::string_view name) {
    RequireClosed("le nom");
    tableName_ = name;
}

void CTable::DeclareCalculatedField(FieldDef field) {
    RequireClosed("les champs");
    field.calculated = true;
    calculated_.push_back(std::move(field));
}

void CTable::DeclareFields(std::vector<FieldDef> fields) {
    RequireClosed("les champs");
    declared_ = std::move(fields);
}

FieldDisplay& CTable::FieldDisplayOf(std::string_view fieldName) {
    return displayByName_[AsciiUpper(fieldName)];
}

void CTable::SetIndexName(std::string_view name) {
    const Checked checked(*this);
    if (!Active()) {
        indexName_ = name;
        return;
    }
    CheckBrowseMode();
    const std::string previous = indexName_;
    indexName_ = name;
    try {
        ApplyIndex();
    } catch (...) {
        indexName_ = previous;
        ApplyIndex();
        throw;
    }
    orderStale_ = true;
    Synchronize();
}

bool CTable::Exists() { return session_->TableExists(alias_, tableName_); }

std::string CTable::ResolveCatalogueName() {
    auto name = session_->FindTable(alias_, tableName_);
    if (!name) throw DbError("La table « " + tableName_ + " » n'existe pas");
    return *name;
}

bool CTable::HoldsTable(std::string_view schema, std::string_view table) const {
    return Active() && AsciiUpper(schema) == AsciiUpper(schema_) && AsciiUpper(table) == AsciiUpper(catalogueName_);
}

// The fields the component sees: its declaration checked against the stored columns, or the
// stored columns followed by the calculated fields it declared.
std::vector<FieldDef> CTable::ComponentFields(const std::vector<FieldDef>& stored) {
    const auto storedNamed = [&](std::string_view name) -> const FieldDef* {
        for (const FieldDef& field : stored)
            if (FieldNameEqual()(field.name, name)) return &field;
        return nullptr;
    };
    std::vector<FieldDef> defs;
    cutOnRead_.clear();
    if (declared_.empty()) {
        defs = stored;
        for (const FieldDef& field : calculated_) {
            if (storedNamed(field.name))
                throw DbError("Le champ calculé " + field.name + " existe déjà dans la table " + tableName_);
            defs.push_back(field);
        }
        cutOnRead_.assign(defs.size(), false);
        return defs;
    }
    for (const FieldDef& field : declared_) {
        const FieldDef* column = field.calculated ? nullptr : storedNamed(field.name);
        if (!field.calculated && !column)
            throw DbError("Le champ " + field.name + " n'existe pas dans la table " + tableName_);
        if (column && column->type != field.type &&
            !(column->type == FieldType::AutoInc && field.type == FieldType::Long))
            throw DbError("Le champ " + field.name + " de la table " + tableName_ + " est de type " +
                          TypeLabel(column->type) + ", non " + TypeLabel(field.type));
        FieldDef def = field;
        if (column) def.name = column->name;
        cutOnRead_.push_back(column && column->type == FieldType::Alpha && field.size < column->size);
        defs.push_back(std::move(def));
    }
    return defs;
}

void CTable::BuildFields(std::vector<FieldDef> defs) {
    defs_ = std::move(defs);
    fields_.clear();
    fields_.reserve(defs_.size());
    displays_.clear();
    byName_.clear();
    stored_.clear();
    calculatedFields_.clear();
    hasCalculated_ = false;
    FieldOwner& owner = *this;
    for (std::size_t i = 0; i < defs_.size(); ++i) {
        fields_.emplace_back(owner, i, defs_[i]);
        displays_.push_back(&FieldDisplayOf(defs_[i].name));
        byName_.emplace(defs_[i].name, i);
        if (defs_[i].calculated) calculatedFields_.push_back(i);
        else stored_.push_back(i);
    }
    hasCalculated_ = !calculatedFields_.empty();
    values_.assign(defs_.size(), Value());
    modified_.assign(defs_.size(), false);
    fetched_.assign(defs_.size(), false);
    filled_.clear();
    storedFetched_ = false;
    nameCache_ = {};
    isWanted_.assign(defs_.size(), false);
    wanted_.clear();
}

void CTable::ApplyIndex() {
    inOrder_.assign(defs_.size(), false);
    indexFields_.clear();
    keyOrder_ = true;
    orderBy_.clear();
    if (!indexName_.empty()) {
        const IndexDef* index = FindIndex(indexes_, indexName_);
        if (!index)
            throw DbError("L'index « " + indexName_ + " » n'existe pas sur la table " + tableName_);
        for (const std::string& name : index->fields) {
            const auto found = byName_.find(name);
            indexFields_.push_back(name);
            // A field the component does not declare still orders its rows.
            const bool alpha = found != byName_.end() ? defs_[found->second].type == FieldType::Alpha : true;
            if (found != byName_.end()) {
                inOrder_[found->second] = true;
                if (defs_[found->second].type != FieldType::AutoInc) keyOrder_ = false;
            } else {
                keyOrder_ = false;
            }
            orderBy_ += QuoteIdentifier(name);
            if (alpha && index->caseInsensitive) orderBy_ += std::string(" COLLATE ") + FRENCH_COLLATION;
            orderBy_ += ", ";
        }
    }
    // Rows equal on the index keep a fixed order: the order they were added in.
    orderBy_ += "rowid";
    readOrderText_.clear();
    locateStatements_.clear();
    readAhead_ = {};
}

void CTable::PrepareStatements() {
    sqlite3* db = session_->connection().Handle();
    deleteRow_ = Statement(db, "DELETE FROM " + qualified_ + " WHERE rowid=?1");
    rowExists_ = Statement(db, "SELECT 1 FROM " + qualified_ + " WHERE rowid=?1");
    fetchWanted_ = {};
    readAhead_ = {};
    fetchOne_.clear();
    fetchOne_.resize(defs_.size());
    writeStatements_.clear();
}

// ---------------------------------------------------------------------------------------------
// Open and close

void CTable::Open() {
    const Checked checked(*this);
    if (Active()) return;
    Fire(BeforeOpen);
    try {
        schema_ = session_->SchemaOfAlias(alias_);
        catalogueName_ = ResolveCatalogueName();
        qualified_ = schema_ + "." + QuoteIdentifier(catalogueName_);
        Connection& connection = session_->connection();
        BuildFields(ComponentFields(ReadFields(connection, schema_, catalogueName_)));
        indexes_ = ReadIndexes(connection, schema_, catalogueName_);
        PrepareStatements();
        ApplyIndex();
        ApplyFilter();
        changes_ = &connection.ChangeCounter(schema_, catalogueName_);
        state_ = DataSetState::Browse;
        session_->Register(*this);
        seenMaster_ = nullptr;
        MasterMoved();
        ReadOrder();
        if (order_.Empty()) ClearCurrent();
        else MoveTo(0);
        bof_ = true;
        eof_ = order_.Empty();
    } catch (...) {
        if (Active()) Close();
        else Release();
        throw;
    }
    Fire(AfterOpen);
    if (!order_.Empty()) Fire(AfterScroll);
    Notify();
}

void CTable::Close() {
    const Checked checked(*this);
    if (!Active()) return;
    Fire(BeforeClose);
    Release();
    Fire(AfterClose);
    Notify();
}

void CTable::Release() {
    session_->Unregister(*this);
    state_ = DataSetState::Inactive;
    readOrder_ = {};
    readOrderText_.clear();
    rowExists_ = {};
    fetchWanted_ = {};
    readAhead_ = {};
    fetchOne_.clear();
    deleteRow_ = {};
    writeStatements_.clear();
    locateStatements_.clear();
    fields_.clear();
    nameCache_ = {};
    displays_.clear();
    defs_.clear();
    byName_.clear();
    stored_.clear();
    indexes_.clear();
    order_.Clear();
    changes_ = nullptr;
    ClearCurrent();
    bof_ = eof_ = true;
}

// ---------------------------------------------------------------------------------------------
// Structure operations

template <class Change>
void CTable::Restructure(std::uint32_t location, Change&& change) {
    const Checked checked(*this);
    const bool wasOpen = Active();
    try {
        const std::string schema = session_->SchemaOfAlias(alias_);
        const std::string name = ResolveCatalogueName();
        if (session_->TableHeldByOther(schema, name, this))
            throw DbError("La table " + name + " est ouverte par un autre composant : sa structure ne peut pas changer");
        Close();
        change(schema, name);
    } catch (DbError& error) {
        error.SetLocation(location);
        if (wasOpen && !Active()) Open();
        throw;
    }
    if (wasOpen) Open();
}

void CTable::AddField(std::uint32_t location, std::string_view name, std::uint32_t typeCode, int position,
                      int width, bool required) {
    Restructure(location, [&](const std::string& schema, const std::string& table) {
        db::AddField(*session_, schema, table, {std::string(name), typeCode, width, required}, position);
    });
}

TypeChange CTable::ChangeFieldType(std::uint32_t location, std::string_view name, std::uint32_t typeCode,
                                   int width) {
    TypeChange change;
    Restructure(location, [&](const std::string& schema, const std::string& table) {
        change = db::ChangeFieldType(*session_, schema, table, {std::string(name), typeCode, width, false});
    });
    return change;
}

void CTable::DropField(std::uint32_t location, std::string_view name) {
    Restructure(location, [&](const std::string& schema, const std::string& table) {
        db::DropField(*session_, schema, table, name);
    });
}

}  // namespace kvarn::db

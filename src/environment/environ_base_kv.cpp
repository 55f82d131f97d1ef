#include "environment/environ_base_kv.hpp"

namespace kvarn::environment {

cEnvironBaseKV::~cEnvironBaseKV() = default;

}  // namespace kvarn::environment

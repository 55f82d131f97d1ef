#include "frame/environ_base_kv.hpp"

namespace kvarn::frame {

cEnvironBaseKV::~cEnvironBaseKV() = default;

}  // namespace kvarn::frame

// The name of each case of a parameterised test, taken from the case itself.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kvarn::testing_support {

// Names each case of a parameterised test after its `nom` (or `name`) member.
struct NomDuCas {
    template <class Cas>
    std::string operator()(const testing::TestParamInfo<Cas>& cas) const {
        if constexpr (requires { cas.param.nom; }) return cas.param.nom;
        else return cas.param.name;
    }
};

}  // namespace kvarn::testing_support

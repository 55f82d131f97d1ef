// kvarn formes-juridiques, pays, regimes, categories: the host's lists, as text or JSON.
#pragma once

#include "run.hpp"

namespace kvarn::cli {

struct ListeOptions {
    bool json = false;
};

int ListerFormesJuridiques(const ListeOptions& options);
int ListerPays(const ListeOptions& options);
int ListerRegimes(const ListeOptions& options);
int ListerCategories(const ListeOptions& options);

}  // namespace kvarn::cli

#include "model_rule.h"

namespace {

// By model-box index: KX100, KX200, KX300, KX400, KX500.
constexpr std::array<ModelRule, 5> kModelRules{{
    {{true, false, false, false, false}, {true, false, false}},
    {{false, true, false, false, false}, {false, true, false}},
    {{false, false, true, false, false}, {false, false, true}},
    {{true, true, false, true, false}, {true, true, false}},
    {{false, true, true, false, true}, {false, true, true}},
}};

}  // namespace

const ModelRule* ModelRuleAt(int index) {
    if (index < 0 || index >= static_cast<int>(kModelRules.size())) return nullptr;
    return &kModelRules[static_cast<std::size_t>(index)];
}

#include "app_init.h"

#include "assets/asset_set.h"
#include "settings/company.h"
#include "settings/custom_labels.h"
#include "settings/key_value.h"
#include "users/operator.h"
#include "users/rights.h"

#include <memory>

namespace {

std::unique_ptr<TAssetManager> &AssetManagerInstance()
{
    static std::unique_ptr<TAssetManager> manager;
    return manager;
}

} // namespace

void InitApplication()
{
    LoadCustomFieldLabels();
    GlobalCompany().LoadCompany();
    // The asset set takes the custom captions current at its creation, so it comes after the labels.
    AssetManagerInstance() = std::make_unique<TAssetManager>();
}

void FreeApplication()
{
    AssetManagerInstance().reset();
}

TAssetManager &AssetManager()
{
    return *AssetManagerInstance();
}

bool HasAssetManager()
{
    return AssetManagerInstance() != nullptr;
}

bool NeedsCompanyPrompt()
{
    return CurrentOperator().HasRight(Right::Company) && !GlobalCompany().HasCompanyName();
}

bool DailyTipWanted()
{
    return GlobalKeyValue().GetBool(SettingKey::DailyTipPrompt);
}

bool FeedbackWanted()
{
    return GlobalKeyValue().GetBool(SettingKey::FeedbackPrompt);
}

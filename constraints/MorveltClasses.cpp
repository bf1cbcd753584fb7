#include "constraints/MorveltClasses.h"

#include "constraints/MorveltObject.h"
#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroConstraintCol.h"
#include "constraints/TavroSPCConstraints.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"
#include "runtime/CaseFold.h"

namespace Morvelt {

namespace {

template <class T>
Runtime::ObjectRef Make() {
  return std::make_shared<T>();
}

class Factory : public MorveltObject, public Platform::ClassFactory {
 public:
  explicit Factory(Runtime::ObjectRef (*create)()) : create_(create) {}
  Runtime::ObjectRef CreateInstance() override { return create_(); }

 private:
  Runtime::ObjectRef (*create_)();
};

}  // namespace

const std::vector<MorveltClass>& MorveltClasses() {
  static const std::vector<MorveltClass> classes{
      {{"{744C2842-1D53-4DB6-A3BA-D4404A3BE643}", "TavroSPC_V3.TavroSPCConstraints",
        "TavroSPCConstraints"},
       &Make<TavroSPCConstraints>},
      {{"{DECA0937-526A-454D-BCF8-20BC85F66FE1}", "TavroSPC_V3.TavroConstraintCol",
        "TavroConstraintCol"},
       &Make<TavroConstraintCol>},
      {{"{03A5DE2D-E634-42B1-8F5D-65B99E893FEC}", "TavroSPC_V3.TavroConstraintCategory",
        "TavroConstraintCategory"},
       &Make<TavroConstraintCategory>},
      {{"{16717DA5-F542-4F25-A175-294E5DF52F9C}", "TavroSPC_V3.TavroConstraint", "TavroConstraint"},
       &Make<TavroConstraint>},
      {{"{9F013685-1598-4D87-857E-617413956A32}", "TavroSPC_V3.clsConstraintCategories",
        "clsConstraintCategories"},
       &Make<clsConstraintCategories>},
      {{"{C39B1424-D4CC-4189-B3A1-CFC8DBE89F05}", "TavroSPC_V3.clsConstraints", "clsConstraints"},
       &Make<clsConstraints>},
      {{"{95B7ABD1-8B55-4D26-97AC-D74E95F0B56C}", "TavroSPC_V3.clsMenuItems", "clsMenuItems"},
       &Make<clsMenuItems>},
  };
  return classes;
}

std::vector<Platform::RegisteredClass> RegisteredClasses() {
  std::vector<Platform::RegisteredClass> entries;
  for (const MorveltClass& served : MorveltClasses()) entries.push_back(served.Entry);
  return entries;
}

std::shared_ptr<Platform::ClassFactory> MorveltFactory(std::string_view classId) {
  for (const MorveltClass& served : MorveltClasses())
    if (Runtime::EqualsNoCase(served.Entry.ClassId, classId))
      return std::make_shared<Factory>(served.Create);
  return nullptr;
}

}  // namespace Morvelt

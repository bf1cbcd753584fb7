#include "constraints/MorveltClasses.h"

#include "constraints/TavroConstraint.h"
#include "constraints/TavroConstraintCategory.h"
#include "constraints/TavroConstraintCol.h"
#include "constraints/TavroSPCConstraints.h"
#include "constraints/clsConstraintCategories.h"
#include "constraints/clsConstraints.h"
#include "constraints/clsMenuItems.h"

namespace Morvelt {

const std::vector<ClassEntry>& MorveltClasses() {
  static const std::vector<ClassEntry> classes{
      {"TavroSPCConstraints", "{744C2842-1D53-4DB6-A3BA-D4404A3BE643}",
       &MakeObject<TavroSPCConstraints>},
      {"TavroConstraintCol", "{DECA0937-526A-454D-BCF8-20BC85F66FE1}",
       &MakeObject<TavroConstraintCol>},
      {"TavroConstraintCategory", "{03A5DE2D-E634-42B1-8F5D-65B99E893FEC}",
       &MakeObject<TavroConstraintCategory>},
      {"TavroConstraint", "{16717DA5-F542-4F25-A175-294E5DF52F9C}", &MakeObject<TavroConstraint>},
      {"clsConstraintCategories", "{9F013685-1598-4D87-857E-617413956A32}",
       &MakeObject<clsConstraintCategories>},
      {"clsConstraints", "{C39B1424-D4CC-4189-B3A1-CFC8DBE89F05}", &MakeObject<clsConstraints>},
      {"clsMenuItems", "{95B7ABD1-8B55-4D26-97AC-D74E95F0B56C}", &MakeObject<clsMenuItems>},
  };
  return classes;
}

}  // namespace Morvelt

#pragma once

#include <memory>
#include <string>

#include "constraints/MorveltApi.h"
#include "constraints/MorveltObject.h"

namespace Morvelt {

class clsConstraintCategories;
class clsMenuItems;

// One dimension by which a chart's data is restricted and drilled into (a date
// range, a product, a machine...): the field its constraints test, the name the
// user sees, the categories that must be in play before it is offered
// (Prerequisites), those whose presence withholds it (Restrictions), the
// toolbar tools that choose it and whether its values form a range.
//
// Prerequisites and Restrictions are made as collections that refer to their
// categories without keeping them alive (clsConstraintCategories::Referring),
// so a category restricting itself, or two restricting each other, are freed
// with the set that holds them.
class MORVELT_API TavroConstraintCategory : public MorveltObject {
 public:
  TavroConstraintCategory();
  ~TavroConstraintCategory() override;

  // The field name written into SQL conditions.
  const std::string& SQLField() const { return sqlField_; }
  void SQLField(std::string value) { sqlField_ = std::move(value); }
  // The name shown to the user, also the category's key in a set.
  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }
  // The collections held, not copies: callers fill them in place. One set to
  // nothing raises 91 when read.
  std::shared_ptr<clsConstraintCategories> Prerequisites() const;
  void Prerequisites(std::shared_ptr<clsConstraintCategories> value);
  std::shared_ptr<clsConstraintCategories> Restrictions() const;
  void Restrictions(std::shared_ptr<clsConstraintCategories> value);
  std::shared_ptr<clsMenuItems> MenuItems() const;
  void MenuItems(std::shared_ptr<clsMenuItems> value);
  // The values are a range (first and last) rather than a list.
  bool Continuous() const { return continuous_; }
  void Continuous(bool value) { continuous_ = value; }

 private:
  std::string sqlField_;
  std::string name_;
  std::shared_ptr<clsConstraintCategories> prerequisites_;
  std::shared_ptr<clsConstraintCategories> restrictions_;
  std::shared_ptr<clsMenuItems> menuItems_;
  bool continuous_ = false;
};

}  // namespace Morvelt

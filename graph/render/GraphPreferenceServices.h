#pragma once

#include <memory>
#include <string>

#include "graph/DravexApi.h"
#include "graph/model/GraphTypes.h"
#include "runtime/Variant.h"

namespace Dravex {

class Graph;

// The graph's preferences: the "Graph Preferences" dialog that edits every
// series' statistics, limit, trend, alarm and display settings, and the saving
// and loading of those settings in the registry. The Graph's members of the
// same names hand their work to the services installed here: the library's
// own (graph/prefs/) unless a host or a test installs others.
class DRAVEX_API GraphPreferenceServices {
 public:
  virtual ~GraphPreferenceServices();

  // Opens the dialog on the page given and returns once it is closed; raises
  // the graph's ShowPreferenceForm, PreferenceChange and HidePreferenceForm.
  virtual void ShowPreferences(Graph& graph, GraphPreferences graphPreference) = 0;
  // Every series' settings under appname, section and chart name.
  virtual void SavePreferences(Graph& graph, const std::string& appname,
                               const std::string& sectionName, const std::string& chartName) = 0;
  // Into every series, or only the one series names (position or key) when
  // it is not missing.
  virtual void LoadPreferences(Graph& graph, const std::string& appname,
                               const std::string& sectionName, const std::string& chartName,
                               const Runtime::Variant& series) = 0;

  // The services every graph of the library uses.
  static std::shared_ptr<GraphPreferenceServices> Current();
  // Installs services for every graph; nullptr puts the library's own back.
  static void Install(std::shared_ptr<GraphPreferenceServices> services);
};

}  // namespace Dravex

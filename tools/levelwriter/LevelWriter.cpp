#include "LevelWriter.h"

#include "Generator.h"
#include "LevelBuild.h"
#include "LevelText.h"
#include "Reach.h"
#include "TextLines.h"

#include "engine/Level.h"
#include "engine/LevelCatalogue.h"
#include "file/AtomicSave.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace levelwriter {

namespace {

std::string narrow(const String &text) {
  container::Vector<char> bytes;
  text.toUtf8(bytes);
  return std::string(bytes.data());
}

} // namespace

std::string levelFilePath(const std::string &dataRoot, const std::string &name) {
  return dataRoot + "/engineConfig/" + name + ".bin";
}

bool planLevels(const std::string &dataRoot, std::vector<LevelPlan> &plans,
                std::vector<std::string> &errors) {
  const std::string folder = dataRoot + "/levels/";
  GeneratorSettings settings;
  std::string text, error;
  if (!readTextFile(folder + "generator.txt", text))
    errors.push_back(folder + "generator.txt: cannot be read");
  else if (!readGeneratorSettings(text, settings, error))
    errors.push_back(folder + "generator.txt: " + error);

  const LevelCatalogue &catalogue = LevelCatalogue::instance();
  std::set<std::string> names;
  std::vector<uint32_t> generated;
  plans.assign(catalogue.levelCount(), LevelPlan());
  for (uint32_t i = 0; i < catalogue.levelCount(); ++i) {
    const std::string name = narrow(catalogue.levelName(i));
    names.insert(name);
    const std::string path = folder + name + ".txt";
    if (!readTextFile(path, text)) {
      generated.push_back(i);
      continue;
    }
    plans[i].name = name;
    if (!readDescription(text, plans[i], error))
      errors.push_back(path + ": " + error);
  }
  // A description the catalogue does not name would be left out unseen.
  std::error_code failed;
  for (const auto &entry : std::filesystem::directory_iterator(folder, failed)) {
    const std::filesystem::path &path = entry.path();
    if (path.extension() == ".txt" && path.stem() != "generator" && !names.count(path.stem()) &&
        !isShowcaseName(path.stem()))
      errors.push_back(path.string() + ": no level of the catalogue has this name");
  }
  for (uint32_t step = 0; step < generated.size(); ++step) {
    const uint32_t i = generated[step];
    plans[i] = generateLevel(settings, narrow(catalogue.levelName(i)), i, step,
                             uint32_t(generated.size()));
  }
  return errors.empty();
}

bool isShowcaseName(const std::string &name) { return name.rfind("showcase_", 0) == 0; }

bool planShowcases(const std::string &dataRoot, std::vector<LevelPlan> &plans,
                   std::vector<std::string> &errors) {
  const std::string folder = dataRoot + "/levels/";
  std::set<std::string> names;
  std::error_code failed;
  for (const auto &entry : std::filesystem::directory_iterator(folder, failed))
    if (entry.path().extension() == ".txt" && isShowcaseName(entry.path().stem()))
      names.insert(entry.path().stem());
  const size_t before = errors.size();
  for (const std::string &name : names) {
    const std::string path = folder + name + ".txt";
    std::string text, error;
    LevelPlan plan;
    plan.name = name;
    if (!readTextFile(path, text))
      errors.push_back(path + ": cannot be read");
    else if (!readDescription(text, plan, error))
      errors.push_back(path + ": " + error);
    else
      plans.push_back(std::move(plan));
  }
  return errors.size() == before;
}

bool levelFile(const LevelPlan &plan, file::BufferBinary &out, std::string &error) {
  error = whyNotCompletable(plan);
  if (!error.empty())
    return false;
  Level level(nullptr);
  error = buildLevel(plan, level);
  if (!error.empty())
    return false;
  out.clear();
  level.writeFile(out);
  return true;
}

bool writeLevels(const std::string &dataRoot, std::vector<std::string> &errors) {
  std::vector<LevelPlan> plans;
  if (!planLevels(dataRoot, plans, errors) || !planShowcases(dataRoot, plans, errors))
    return false;
  std::vector<file::BufferBinary> files(plans.size());
  for (size_t i = 0; i < plans.size(); ++i) {
    std::string error;
    if (!levelFile(plans[i], files[i], error))
      errors.push_back(plans[i].name + ": refused: " + error);
  }
  if (!errors.empty())
    return false;
  std::error_code failed;
  std::filesystem::create_directories(dataRoot + "/engineConfig", failed);
  if (failed) {
    errors.push_back(dataRoot + "/engineConfig: " + failed.message());
    return false;
  }
  for (size_t i = 0; i < plans.size(); ++i) {
    const std::string path = levelFilePath(dataRoot, plans[i].name);
    if (!file::saveWhole(String::fromUtf8(path.c_str()), files[i].data(), files[i].size()))
      errors.push_back(path + ": not saved");
  }
  return errors.empty();
}

} // namespace levelwriter

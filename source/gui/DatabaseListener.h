#pragma once
// Told when the asset database changes. Six notifications, all empty by
// default; the widgets hand four of them down their trees.

class DatabaseListener {
public:
  virtual ~DatabaseListener() = default;
  virtual void databaseWillLoad() {}
  virtual void databaseDidLoad() {}
  virtual void databaseWillUnload() {}
  virtual void databaseDidUnload() {}
  virtual void databaseWillReload() {}
  virtual void databaseDidReload() {}
};

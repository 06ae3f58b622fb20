// What a loop split hands the curves it cannot place to, without knowing the divider.
#pragma once

class RILostObjectOrphanage;

class IRILostObjectsCollector {
 public:
  // The collector keeps the orphanage.
  virtual RILostObjectOrphanage* getOrphanage() = 0;

 protected:
  // Collectors are not deleted through this interface.
  ~IRILostObjectsCollector() = default;
};

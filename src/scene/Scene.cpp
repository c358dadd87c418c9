#include "scene/Scene.h"

namespace hq {

Scene::Scene(SceneContext context)
    : m_ctx(context),
      Sprites(m_ctx),
      Skating(m_ctx, Sprites),
      Sledding(m_ctx, Sprites),
      Snowfall(m_ctx, Sprites),
      Overlays(m_ctx),
      Composer(m_ctx, Sprites, Skating, Sledding, Snowfall, Overlays) {}

void Scene::SetStartingValues() {
    Skating.SetStartingValues();
    Sledding.SetStartingValues();
    Composer.SetStartingValues();
}

}  // namespace hq

#pragma once
// The scenes' backgrounds (bg.x and its textures): an enclosure seen from inside (a sky dome or a
// room), the ground, and a pedestal the creature stands on, its top at y = 0. The pedestal is tall
// enough that the camera stays above the ground when the demo mode tilts it below the creature.
#include <string>
#include <vector>

#include "demo/mesh_builder.h"
#include "demo/paint.h"
#include "platform/gfx/image.h"
#include "platform/xfile/xfile.h"

namespace demo {

struct TextureFile {
  std::string File;  // name within the scene folder: "sky.dds"
  gfx::Image Image;
};

struct Backdrop {
  xfile::XMesh Mesh;
  std::vector<TextureFile> Textures;
};

// folder is the scene folder's name ("dir10"): materials name their textures "dir10\sky.dds", as
// the viewer resolves them from the demo's root. The ground lies `depth` below the pedestal's top.
Backdrop MeadowBackdrop(const std::string& folder, float depth);    // spring sky, lawn, a cake stand
Backdrop PlayroomBackdrop(const std::string& folder, float depth);  // a cosy room, a round table
Backdrop StarryBackdrop(const std::string& folder, float depth);    // night sky, a neon-ringed pillar
Backdrop DuskBackdrop(const std::string& folder, float depth);      // sunset over sand, a stone pillar

// Pieces the backgrounds share.

// A material lit mostly by itself: the texture shows about as painted whatever the light does.
// `lit` (0..1) is how much of the scene's light still shades it.
xfile::XMaterial BackdropMaterial(const std::string& texture, float lit, Rgba tint = {1, 1, 1, 1});

// A dome of the given radius around the origin seen from inside, from the zenith down to 10 degrees
// below the horizon (y = 0). Texture u goes repeats times around, v from the zenith (0) to the
// dome's lower edge (1); the horizon is at v = kDomeHorizonV.
inline constexpr float kDomeHorizonV = 0.9f;
void AddSkyDome(MeshBuilder& builder, std::uint32_t material, float radius, float repeats);

// A round pedestal with its top at y = 0 and its foot on the ground at y = -depth: the top disc
// textured as a whole (u, v from -radius to radius across it), the side wall with u going `repeats`
// times around and v from the top (0) to the ground (1), and a wider foot ring at the bottom.
void AddPedestal(MeshBuilder& builder, std::uint32_t top, std::uint32_t side, std::uint32_t foot, float radius,
                 float depth, float repeats);

}  // namespace demo

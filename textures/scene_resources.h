#pragma once

// Once at start-up, after the font texture exists: the other textures, the particle settings,
// the star field.
void setUpSceneResources();

// Once on the way out: the star field's display list and every texture in the table.
void releaseSceneResources();

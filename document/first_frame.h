// The first frame of an image link, as the items and lights take their single textures.
#pragma once

#include <d3d9.h>

#include "document/image_file_link.h"

// Frame 0 of the link's frames from CurrentDocResManager (borrowed: the manager keeps it); null
// when there is no manager or the image has no frame.
IDirect3DTexture9* FirstFrame(const KQ_ImageFileLink& link);

// Resource numbers of the test content packs, shared by their resource scripts and the tests.
#pragma once

#define TEST_PACK_WIDE_ID 11          // "DDS" wide picture; in the other pack the tall one
#define TEST_PACK_TALL_ID 12          // "DDS" tall picture
#define TEST_PACK_NOT_AN_IMAGE_ID 13  // "DDS" bytes that no image decoder reads
#define TEST_PACK_ANIMATED_ID 20      // "DDS" animated image
#define TEST_PACK_ANIMATED_CUT_ID 21  // "DDS" animated image cut short
#define TEST_PACK_MESH_ID 30          // "DDS" .x: a tetrahedron; in the other pack one triangle
#define TEST_PACK_EFFECT_ID 40        // RT_RCDATA compiled effect
#define TEST_PROGRAM_PICTURE_ID 5     // "DDS" square picture of the test program itself

# The physics world's cost over the bare physics engine on one scene.
frelmory_add_bench(NAME physics_bench SOURCES physics/PhysicsBench.cpp LIBS physics Chipmunk::Chipmunk)
